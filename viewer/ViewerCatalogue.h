#pragma once
// The fixed data of a viewer screen: its tree, and which page and which
// window caption each node brings up. Nodes are known only by their flat
// index: their place when the tree is walked root, children, next root.
#include <QString>
#include <vector>

// Pictures of the viewer's image list.
enum TreePicture { kFolderPicture = 0, kSheetPicture = 1, kDrawingPicture = 2, kTextPicture = 3 };

struct TreeNode {
    QString text;
    int picture;
    int selectedPicture;
    std::vector<TreeNode> children;
};

struct PageEntry {
    int flatIndex;
    QString path;  // relative to the current directory, "/" between parts
};

struct CaptionEntry {
    int flatIndex;
    QString caption;
};

struct ViewerCatalogue {
    std::vector<TreeNode> roots;
    std::vector<PageEntry> pages;       // in the order the selection step tries them
    std::vector<CaptionEntry> captions; // likewise
};

const ViewerCatalogue& lecturesCatalogue();
const ViewerCatalogue& aboutCatalogue();
