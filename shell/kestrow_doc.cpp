#include "kestrow_doc.h"

#include "desktop/message_box.h"
#include "platform/text.h"
#include "resources.h"

CKestrowDoc::CKestrowDoc(QObject* parent) : QObject(parent) {}

bool CKestrowDoc::OnNewDocument() {
    setModifiedMark(0);
    return true;
}

void CKestrowDoc::setModifiedMark(int mark) {
    if (mark == modifiedMark_) return;
    modifiedMark_ = mark;
    emit modifiedMarkChanged(mark);
}

bool CKestrowDoc::CanCloseFrame(QWidget* frame) {
    if (!modifiedMark_) return true;
    return kestrow::MsgBox::askYesNo(frame, kestrow::utf8(kestrow::res::close_prompt));
}
