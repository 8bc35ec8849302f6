// The window's own texts are Qt tr() texts, English in the sources and
// Chinese in res/varkel_zh.ts. A text added without its Chinese would show
// in English in a Chinese window; a placeholder lost in translation would
// show "%2" or drop a value; a lost "&" would take a menu entry's key.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

QStringList Placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression number(QStringLiteral("%L?\\d+"));
    for (auto it = number.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

bool HasAccelerator(const QString& text) {
    static const QRegularExpression single(QStringLiteral("&(?!&)\\S"));
    return text.contains(single);
}

// lupdate run over the sources into a copy of the translations adds every
// text the sources have now; each must come out translated, with the
// source's placeholders and accelerator.
TEST(Translations, EveryWindowTextHasItsChineseWithTheSamePlaceholdersAndAccelerator) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("varkel_zh.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VARKEL_SOURCE_DIR "/res/varkel_zh.ts"), copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(VARKEL_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-I"),
                   QStringLiteral(VARKEL_SOURCE_DIR), QStringLiteral(VARKEL_SOURCE_DIR "/ui"),
                   QStringLiteral(VARKEL_SOURCE_DIR "/widgets"), QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(60000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString translation = xml.readElementText();
            const std::string what = source.toStdString() + " / " + translation.toStdString();
            ++messages;
            EXPECT_TRUE(finished && !translation.isEmpty()) << "not translated: " << what;
            EXPECT_EQ(Placeholders(source), Placeholders(translation)) << what;
            EXPECT_EQ(HasAccelerator(source), HasAccelerator(translation)) << what;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 200);
}

} // namespace
