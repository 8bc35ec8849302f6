#include "ui/QtMessageSink.h"

#include "model/ResultCode.h"
#include "ui/CConfigApp.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace varkel {
namespace {

// A box opened by a worker would be a widget made off the GUI thread: the
// worker must hand its message to the window instead.
void AssertGuiThread() {
    Q_ASSERT_X(QCoreApplication::instance() &&
                   QThread::currentThread() == QCoreApplication::instance()->thread(),
               "QtMessageSink", "a message box asked for off the GUI thread");
}

} // namespace

QtMessageSink::QtMessageSink(std::function<QWidget*()> parent)
    : parent_(std::move(parent)), previous_(GetInstalledMessageSink()) {
    SetMessageSink(this);
}

QtMessageSink::~QtMessageSink() {
    SetMessageSink(previous_);
}

void QtMessageSink::Inform(const std::string& text) {
    AssertGuiThread();
    QWidget* parent = parent_ ? parent_() : QApplication::activeWindow();
    QMessageBox::information(parent, CConfigApp::AppTitle(), QString::fromStdString(text));
}

void QtMessageSink::Warn(const std::string& text) {
    AssertGuiThread();
    QWidget* parent = parent_ ? parent_() : QApplication::activeWindow();
    QMessageBox::warning(parent, CConfigApp::AppTitle(), QString::fromStdString(text));
}

Answer QtMessageSink::Ask(const std::string& text, Buttons buttons) {
    AssertGuiThread();
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

void ShowResult(int code, bool show) {
    if (show)
        ShowMessage(ResultMessage(code));
}

} // namespace varkel
