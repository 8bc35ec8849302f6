#pragma once
#include <QString>
#include <QStringList>

class QApplication;

namespace varkel {

// What the command line asks for.
struct StartOptions {
    int device = -1;    // gateway model; -1 asks with the Select Device dialog
    QString language;   // "zh", "en" or empty for the system's
    QString screenshot; // picture to write instead of running
    // with a picture: "device", "about", "command", "download", "upload" or
    // "conflict" dialog
    QString show;
    int edit = -1;   // with a picture: the grid row whose editor is open
    int select = -1; // with a picture: the tree entry to select, counted from 0
    QString file;    // configuration to open
    QString error;   // why the command line was refused
    bool helpShown = false;

    static StartOptions Parse(const QStringList& arguments);
};

// Loads the Qt translations of a language ("zh" or "en"): the program's own
// and Qt's standard texts; and sets the table language when asked to.
void LoadTranslations(QApplication& app, const QString& language);

// Runs the desktop application; the exit code.
int RunApplication(QApplication& app);

} // namespace varkel
