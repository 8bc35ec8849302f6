#include "ui/QtMessageSink.h"

#include "ui/CConfigApp.h"

#include <QApplication>
#include <QMessageBox>

namespace varkel {

QtMessageSink::QtMessageSink(std::function<QWidget*()> parent)
    : parent_(std::move(parent)), previous_(GetInstalledMessageSink()) {
    SetMessageSink(this);
}

QtMessageSink::~QtMessageSink() {
    SetMessageSink(previous_);
}

void QtMessageSink::Inform(const std::string& text) {
    QWidget* parent = parent_ ? parent_() : QApplication::activeWindow();
    QMessageBox::information(parent, CConfigApp::AppTitle(), QString::fromStdString(text));
}

Answer QtMessageSink::Ask(const std::string& text, Buttons buttons) {
    QWidget* parent = parent_ ? parent_() : QApplication::activeWindow();
    QMessageBox::StandardButtons offered = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        offered |= QMessageBox::Cancel;
    if (buttons == Buttons::Ok) {
        QMessageBox::information(parent, CConfigApp::AppTitle(), QString::fromStdString(text));
        return Answer::Yes;
    }
    const auto answer = QMessageBox::question(parent, CConfigApp::AppTitle(),
                                              QString::fromStdString(text), offered);
    if (answer == QMessageBox::Yes)
        return Answer::Yes;
    if (answer == QMessageBox::No)
        return Answer::No;
    // Escape or the close box on a box with Cancel means Cancel; without
    // Cancel it means No.
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
}

} // namespace varkel
