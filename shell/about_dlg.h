#pragma once
// The About box: the program icon, its name and version, and our rights notice.

#include <QDialog>

class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
