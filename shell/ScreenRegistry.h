#pragma once
// The ten screens of the program, created once in a fixed order and reached
// by their entry names. Only the testing entry is ever replaced: each
// successful sign-in makes a fresh testing screen.
#include <memory>
#include <vector>

class QWidget;
class TForm1;
class TForm5;
class TForm12;
class TForm13;
class TForm14;
class TForm22;
class TForm8;
class TForm24;
class TPresent;
class TVideo;

struct ScreenRegistry {
    TForm1* Form1 = nullptr;
    TForm5* Form5 = nullptr;
    TForm12* Form12 = nullptr;
    TForm13* Form13 = nullptr;
    TForm14* Form14 = nullptr;
    TForm22* Form22 = nullptr;
    TForm8* Form8 = nullptr;
    TForm24* Form24 = nullptr;
    TPresent* Present = nullptr;
    TVideo* Video = nullptr;
};

ScreenRegistry& screens();

// Creates the ten screens in registry order. A failure while a screen's
// layout is built (a database that cannot be opened) is raised; one inside
// a creation handler is reported and creation goes on.
void createScreens();
// The program's start: createScreens(), and on a failure the screens made so
// far released and the "Application Error" box shown. The exit status the
// program ends with then (1), 0 when every screen was created.
int startScreens();
// Releases every screen, replaced testing screens included.
void releaseScreens();
// Makes a new testing screen the Form13 entry; the one it replaces is kept
// hidden until the program ends.
void registerTestingScreen(std::unique_ptr<TForm13> screen);
// The registry entry named, for code that walks all entries.
QWidget* screenByEntry(const char* entry);
