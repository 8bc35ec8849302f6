#pragma once
#include <QPlainTextEdit>

class QMainWindow;

namespace varkel {

class CCoolBar;

// The read-only pane with the help text of the clicked parameter, in its own
// docking pane at the bottom of the main window.
class AnnotationPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit AnnotationPane(QWidget* parent = nullptr);

    // Remembers the main window; nothing when none is given.
    void SetFrame(QMainWindow* frame);
    // Builds the docking pane in the main window and puts the text into it.
    bool Create();
    CCoolBar* Bar() const { return bar_; }

private:
    QMainWindow* frame_ = nullptr;
    bool ready_ = false;
    CCoolBar* bar_ = nullptr;
};

} // namespace varkel
