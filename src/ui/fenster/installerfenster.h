#pragma once
// The small window the installer shows after setup: picture, name and version.

#include <QDialog>

class TInstallerInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TInstallerInfoForm(QWidget* eltern = nullptr);
};
