#pragma once
#include <QString>
#include <QStringList>

#include <functional>

class QApplication;
class QImage;
class QWidget;

namespace varkel {

// What the command line asks for.
struct StartOptions {
    int device = -1;    // gateway model; -1 asks with the Select Device dialog
    QString language;   // "zh", "en" or empty for the system's
    QString screenshot; // picture to write instead of running
    QString file;       // configuration to open
    QString error;      // why the command line was refused
    bool helpShown = false;

    static StartOptions Parse(const QStringList& arguments);
};

// Loads the Qt translations of a language ("zh" or "en"): the program's own
// and Qt's standard texts; and sets the table language when asked to.
void LoadTranslations(QApplication& app, const QString& language);

// The language --lang asks for ("zh" or "en"; the last one given), or empty:
// read before the command line is parsed, so that its own help and errors
// are in that language too.
QString LanguageInArguments(const QStringList& arguments);

// The one language of the whole window: --lang, else the one chosen in
// View > Language (remembered in the settings), else Chinese. Never the
// system locale, so that the table texts and Qt's own texts agree.
QString ChosenLanguage(const QString& commandLine);

// Remembers the View > Language choice ("zh" or "en") for the next start.
void RememberLanguage(const QString& language);

// Sets the table language and Qt's translations to one language.
void ApplyLanguage(QApplication& app, const QString& language);

class CConfigApp;
class CDovelDoc;
class CMainFrame;

// Opens the configuration named at start; without one, or when it is
// refused (its message shown, as for a file of another language), a new
// configuration, so that the window still opens. False when refused.
bool OpenStartFile(CDovelDoc& doc, const QString& file);

// Writes the picture of a shown main window to a PNG file; the exit code.
using PictureTaker = std::function<int(const QString& path, CConfigApp& config, CMainFrame& frame)>;

// Runs the desktop application with the command line's arguments (the
// program's name first); the exit code. With --screenshot the taker, if
// any, writes the picture instead of the plain window's.
int RunApplication(QApplication& app, const QStringList& arguments, const PictureTaker& taker = {});

// Grabs a widget, with a drop-down list open on it, to a PNG file.
bool SavePicture(QWidget& widget, const QString& path);

// A picture of a shown widget as it is on screen now.
QImage GrabWindow(QWidget& widget);

// An error on the error stream, after the program's name.
void PrintError(const QString& text);

} // namespace varkel
