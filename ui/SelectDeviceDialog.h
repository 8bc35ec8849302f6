#pragma once
#include <QDialog>
#include <QIcon>

class QComboBox;

namespace varkel {

// Asked once at start: which gateway model is being configured. A banner
// fills the upper half; the list and the buttons sit in the lower half.
class SelectDeviceDialog : public QDialog {
    Q_OBJECT
public:
    explicit SelectDeviceDialog(QWidget* parent = nullptr);

    // The model chosen with OK (0 until then).
    int GetDevice() const { return device_; }
    QComboBox* DeviceList() const { return list_; }

    void accept() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QComboBox* list_;
    // Drawn through Qt's SVG icon engine, loaded when the dialog first
    // paints; one icon, so later paints come from its cache.
    QIcon banner_{QStringLiteral(":/icons/banner.svg")};
    int device_ = 0;
};

} // namespace varkel
