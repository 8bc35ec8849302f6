#pragma once
#include <QDialog>

namespace varkel {

class HyperlinkLabel;

// The About box: the product picture, the product and version lines, the
// project lines and the web address as a hyperlink.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    HyperlinkLabel* WebLink() const { return link_; }
    // The address the web line opens.
    static QString HomePage();

private:
    HyperlinkLabel* link_;
};

} // namespace varkel
