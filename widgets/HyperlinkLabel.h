#pragma once
#include <QColor>
#include <QLabel>
#include <QString>

#include <functional>

namespace varkel {

// A text label that behaves like a link in a web page: underlined in the link
// colour, the hover colour while the pointer is over it, a hand cursor and a
// tooltip with the target, and the visited colour once it has been opened.
class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    // Opens a target; returns a value above 32 on success, otherwise the
    // error code whose text is reported.
    using Opener = std::function<int(const QString& target)>;
    // Shows a failure text to the user.
    using Reporter = std::function<void(const QString& text)>;

    explicit HyperlinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // The target opened on a click; the label's text when none is set.
    void SetTarget(const QString& target);
    QString GetTarget() const { return target_; }

    void SetLinkColour(const QColor& colour);
    void SetVisitedColour(const QColor& colour);
    void SetHoverColour(const QColor& colour);
    QColor GetLinkColour() const { return linkColour_; }
    QColor GetVisitedColour() const { return visitedColour_; }
    QColor GetHoverColour() const { return hoverColour_; }
    // The colour the text is drawn in now.
    QColor CurrentColour() const;

    bool IsOverControl() const { return overControl_; }
    bool IsVisited() const { return visited_; }
    void SetUnderline(bool underline);

    void SetOpener(Opener opener) { opener_ = std::move(opener); }
    void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }

    // The message shown when opening fails with the code.
    static QString ErrorText(int code);
    // Opens a target with the desktop's default handler.
    static int OpenWithDesktop(const QString& target);

signals:
    void Opened(const QString& target);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Follow();
    void ApplyColour();
    void ApplyFont();

    QColor linkColour_{0, 0, 238};
    QColor visitedColour_{85, 26, 139};
    QColor hoverColour_;
    bool overControl_ = false;
    bool visited_ = false;
    bool underline_ = true;
    QString target_;
    Opener opener_;
    Reporter reporter_;
};

} // namespace varkel
