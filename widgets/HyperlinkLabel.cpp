#include "widgets/HyperlinkLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QUrl>

namespace varkel {

HyperlinkLabel::HyperlinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent), hoverColour_(palette().color(QPalette::Highlight)) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    opener_ = &HyperlinkLabel::OpenWithDesktop;
    reporter_ = [this](const QString& message) {
        QApplication::beep();
        QMessageBox::warning(window(), window() ? window()->windowTitle() : QString(), message);
    };
    if (!text.isEmpty())
        SetTarget(text);
    ApplyFont();
    ApplyColour();
}

void HyperlinkLabel::SetTarget(const QString& target) {
    target_ = target;
    if (text().isEmpty())
        setText(target_);
    setToolTip(target_);
}

void HyperlinkLabel::SetLinkColour(const QColor& colour) {
    linkColour_ = colour;
    ApplyColour();
}

void HyperlinkLabel::SetVisitedColour(const QColor& colour) {
    visitedColour_ = colour;
    ApplyColour();
}

void HyperlinkLabel::SetHoverColour(const QColor& colour) {
    hoverColour_ = colour;
    ApplyColour();
}

QColor HyperlinkLabel::CurrentColour() const {
    if (overControl_)
        return hoverColour_;
    return visited_ ? visitedColour_ : linkColour_;
}

void HyperlinkLabel::SetUnderline(bool underline) {
    underline_ = underline;
    ApplyFont();
}

void HyperlinkLabel::ApplyFont() {
    QFont f = font();
    f.setUnderline(underline_);
    setFont(f);
}

void HyperlinkLabel::ApplyColour() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, CurrentColour());
    setPalette(p);
    update();
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    overControl_ = true;
    ApplyColour();
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    overControl_ = false;
    ApplyColour();
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Follow();
}

void HyperlinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // A palette change from outside (a theme switch) must not lose our colour.
    if (event->type() == QEvent::StyleChange)
        ApplyColour();
}

void HyperlinkLabel::Follow() {
    const QString target = target_.isEmpty() ? text() : target_;
    const int result = opener_ ? opener_(target) : 0;
    if (result > 32) {
        visited_ = true;
        ApplyColour();
        emit Opened(target);
        return;
    }
    if (reporter_)
        reporter_(QStringLiteral("Unable to open hyperlink:\n\n") + ErrorText(result));
}

QString HyperlinkLabel::ErrorText(int code) {
    switch (code) {
    case 0:
        return QStringLiteral("The operating system is out\nof memory or resources.");
    case 2:
        return QStringLiteral("The specified file was not found.");
    case 3:
        return QStringLiteral("The specified path was not found.");
    case 5:
        return QStringLiteral("The operating system denied\naccess to the specified file.");
    case 8:
        return QStringLiteral("There was not enough memory to complete the operation.");
    case 11:
        return QStringLiteral("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
        return QStringLiteral("A sharing violation occurred. ");
    case 27:
        return QStringLiteral("The filename association is\nincomplete or invalid.");
    case 28:
        return QStringLiteral(
            "The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
        return QStringLiteral("The DDE transaction failed.");
    case 30:
        return QStringLiteral("The DDE transaction could not\nbe completed because other DDE "
                              "transactions\nwere being processed.");
    case 31:
        return QStringLiteral(
            "There is no application associated\nwith the given filename extension.");
    case 32:
        return QStringLiteral("The specified dynamic-link library was not found.");
    default:
        return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
    }
}

int HyperlinkLabel::OpenWithDesktop(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile);
    if (!url.isValid())
        return 2;
    if (url.isLocalFile()) {
        QFileInfo info(url.toLocalFile());
        if (!info.exists())
            return info.dir().exists() ? 2 : 3;
        if (!info.isReadable())
            return 5;
    }
    // The desktop does not say why it failed; the usual cause is that no
    // program is registered for the kind of target.
    return QDesktopServices::openUrl(url) ? 33 : 31;
}

} // namespace varkel
