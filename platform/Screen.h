#pragma once
#include <QWidget>

// A top-level screen: its border kind, client size and placement, and the
// handlers every screen may have (creation, show, activation, close), each
// run under the error guard.
class Screen : public QWidget {
    Q_OBJECT
public:
    enum class Border {
        FixedSingle,   // fixed size; close and minimize boxes
        FixedDialog,   // fixed size; close box only
        ToolWindow,    // small caption, close box, fixed size
        Sizeable,      // ordinary sizeable frame
        FittedSizeable // frame with minimize and maximize boxes that keeps its client size
    };
    enum class Placement { CentreOnFirstShow, CentreOnEveryShow, AsCreated };

    explicit Screen(QWidget* parent = nullptr);

    // Runs after the stored layout has been built; errors here are reported
    // and startup goes on.
    virtual void FormCreate() {}

protected:
    void setBorder(Border border, QSize clientSize);
    void setPlacement(Placement placement) { placement_ = placement; }

    virtual void FormShow() {}
    virtual void FormActivate() {}
    // The close handler, run before the screen hides.
    virtual void FormClose() {}

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Placement placement_ = Placement::CentreOnFirstShow;
    bool shownBefore_ = false;
};

// The screen operations of navigation.
void showScreen(QWidget* screen);        // visible, to the front, active
void makeScreenVisible(QWidget* screen); // visible; no bring-to-front for a visible one
void hideScreen(QWidget* screen);
void closeScreen(QWidget* screen);       // close handler, then hide
void centreOnDesktop(QWidget* window);
