#pragma once
// The document: it holds no data of its own (the view owns the catalogue),
// only the modified mark, and it decides whether the window may close.

#include <QObject>

class QWidget;

class CKestrowDoc final : public QObject {
    Q_OBJECT
public:
    explicit CKestrowDoc(QObject* parent = nullptr);

    bool OnNewDocument();

    // 1 while changed clear flags are unsaved.
    int modifiedMark() const { return modifiedMark_; }
    void setModifiedMark(int mark);

    // Asks before closing with unsaved changes; false keeps the window open.
    bool CanCloseFrame(QWidget* frame);

signals:
    void modifiedMarkChanged(int mark);

private:
    int modifiedMark_ = 0;
};
