#include "ui/SelectDeviceDialog.h"

#include "ui/CConfigApp.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace varkel {

SelectDeviceDialog::SelectDeviceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("selectDeviceDialog"));
    setWindowTitle(tr("Select Device"));
    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("deviceList"));
    const QStringList names = CConfigApp::DeviceNames();
    for (int i = 0; i < names.size(); ++i)
        list_->addItem(names[i], i);
    list_->setCurrentIndex(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("Select Type"), list_);

    constexpr int kWidth = 420, kHeight = 300;
    auto* layout = new QVBoxLayout(this);
    // The banner is painted into the upper half; the controls share the
    // lower half, the list under the banner and the buttons at the bottom.
    layout->addSpacing(kHeight / 2);
    layout->addStretch(1);
    layout->addLayout(form);
    layout->addStretch(2);
    layout->addWidget(buttons);
    setFixedSize(kWidth, kHeight);
}

void SelectDeviceDialog::accept() {
    device_ = list_->currentData().toInt();
    QDialog::accept();
}

void SelectDeviceDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    banner_.paint(&painter, QRect(0, 0, width(), height() / 2));
}

} // namespace varkel
