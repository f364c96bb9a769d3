#include "shared/HandInNotice.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace brevane {

HandInNotice::~HandInNotice()
{
    delete box_.data();
}

void HandInNotice::show(const QString& text)
{
    if (!box_) {
        box_ = new QMessageBox(QMessageBox::Information, QCoreApplication::translate("HandIn", "Hand-in"), text,
                               QMessageBox::Ok);
        box_->setWindowModality(Qt::NonModal);
        box_->setAttribute(Qt::WA_ShowWithoutActivating);
        box_->setAttribute(Qt::WA_DeleteOnClose);
    }
    box_->setText(text);
    box_->show();
}

} // namespace brevane
