#include "ui/AnnotationPane.h"

#include "widgets/CCoolBar.h"

#include <QMainWindow>

namespace varkel {

AnnotationPane::AnnotationPane(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("annotationText"));
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Reached with Tab and read with the arrow keys; Tab moves on.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    // White like a sheet of notes whatever the theme, with dark text on it.
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void AnnotationPane::SetFrame(QMainWindow* frame) {
    if (!frame)
        return;
    frame_ = frame;
    ready_ = true;
}

bool AnnotationPane::Create() {
    if (!ready_ || bar_)
        return false;
    bar_ =
        new CCoolBar(tr("Annotation"), QSize(500, 120), QStringLiteral("annotationPane"), frame_);
    bar_->SetChild(this);
    frame_->addDockWidget(Qt::BottomDockWidgetArea, bar_);
    return true;
}

} // namespace varkel
