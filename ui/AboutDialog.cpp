#include "ui/AboutDialog.h"

#include "model/Catalog.h"
#include "model/Messages.h"
#include "ui/UiText.h"
#include "ui/UserDialogs.h"
#include "widgets/HyperlinkLabel.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

#ifndef VARKEL_VERSION
#define VARKEL_VERSION "0"
#endif
#ifndef VARKEL_HOMEPAGE
#define VARKEL_HOMEPAGE "https://varkel.example.org"
#endif

namespace varkel {

QString AboutDialog::HomePage() {
    return QStringLiteral(VARKEL_HOMEPAGE);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Varkel"));

    auto* picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/icons/product.svg")).pixmap(96, 96));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* product = new QLabel(tr("<b>Varkel</b> gateway configuration tool"), this);
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(VARKEL_VERSION)), this);
    version->setObjectName(QStringLiteral("versionLine"));
    auto* line1 = new QLabel(tr("Configures Profibus-DP slave / Modbus master gateways."), this);
    auto* line2 = new QLabel(tr("Free software, made by the Varkel project."), this);
    auto* line3 = new QLabel(tr("Questions and reports of faults are welcome at:"), this);
    link_ = new HyperlinkLabel(HomePage(), this);
    link_->setObjectName(QStringLiteral("webLink"));
    // A web address fails to open only for want of a browser; the label's
    // own texts speak of programs for file name extensions.
    link_->SetOpener(
        [](const QString& target) { return UserDialogs::Get().OpenUrl(QUrl(target)) ? 33 : 31; });
    link_->SetReporter([](const QString&) {
        ShowMessage(tr("No web browser could be opened for %1.").arg(HomePage()));
    });

    auto* text = new QVBoxLayout;
    for (QWidget* w :
         {static_cast<QWidget*>(product), static_cast<QWidget*>(version),
          static_cast<QWidget*>(line1), static_cast<QWidget*>(line2), static_cast<QWidget*>(line3)})
        text->addWidget(w);
    text->addWidget(link_);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setSizeGripEnabled(false);
}

} // namespace varkel
