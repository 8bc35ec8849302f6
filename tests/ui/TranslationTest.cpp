// The window's own texts are Qt tr() texts, translated in res/varkel_zh.ts
// (English is the source language). A text added to the sources without its
// Chinese would show in English in a Chinese window; a placeholder lost in
// translation would show "%2" or drop a value.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <vector>

namespace {

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

std::vector<TsMessage> ReadTs(const QString& path) {
    std::vector<TsMessage> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return out;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            TsMessage m{context, {}, {}, {}};
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    m.translation = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            out.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return out;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression number(QStringLiteral("%L?\\d+"));
    for (auto it = number.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// A menu's accelerator letter: "&" not doubled.
bool HasAccelerator(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("&(?!&)\\S")));
}

bool HasChinese(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

const QString kChinese = QStringLiteral(VARKEL_SOURCE_DIR "/res/varkel_zh.ts");

TEST(Translations, EveryWindowTextHasItsChineseWithTheSamePlaceholdersAndAccelerator) {
    const std::vector<TsMessage> messages = ReadTs(kChinese);
    ASSERT_GT(messages.size(), 200u);
    for (const TsMessage& m : messages) {
        const std::string where = (m.context + QLatin1String(": ") + m.source).toStdString();
        EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
        EXPECT_FALSE(m.translation.isEmpty()) << where;
        EXPECT_FALSE(HasChinese(m.source)) << where;
        EXPECT_EQ(Placeholders(m.source), Placeholders(m.translation))
            << where << " / " << m.translation.toStdString();
        EXPECT_EQ(HasAccelerator(m.source), HasAccelerator(m.translation))
            << where << " / " << m.translation.toStdString();
    }
}

// The committed translations cover exactly the texts the sources have now:
// lupdate run over them adds nothing to translate and drops nothing.
// (After changing a window text: build the varkel_gui_lupdate target and
// translate what it marks unfinished.)
TEST(Translations, CoverEveryTextOfTheSourcesAndNoOther) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("varkel_zh.ts"));
    ASSERT_TRUE(QFile::copy(kChinese, copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(VARKEL_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-I"),
                   QStringLiteral(VARKEL_SOURCE_DIR), QStringLiteral(VARKEL_SOURCE_DIR "/ui"),
                   QStringLiteral(VARKEL_SOURCE_DIR "/widgets"), QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(60000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const std::vector<TsMessage> committed = ReadTs(kChinese);
    const std::vector<TsMessage> current = ReadTs(copy);
    for (const TsMessage& m : current)
        EXPECT_TRUE(m.type.isEmpty())
            << "not translated: " << m.context.toStdString() << ": " << m.source.toStdString();
    EXPECT_EQ(current.size(), committed.size()) << "texts no source uses any more";
}

} // namespace
