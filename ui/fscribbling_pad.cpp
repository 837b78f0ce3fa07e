#include "ui/fscribbling_pad.h"

#include "ui/geometry.h"
#include "ui/text_box.h"

namespace vantor::ui {

fScribblingPad::fScribblingPad(QWidget* parent) : QWidget(parent)
{
    setObjectName("fScribblingPad");
    setWindowTitle("Form1");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(3405), twips(2730));

    m_pad = new TextBox(this);
    m_pad->setObjectName("tScribblingPad");
    m_pad->setGeometry(twipsRect(0, 0, 3375, 2655));
    m_pad->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pad->setAccessibleName("Notes");
}

} // namespace vantor::ui
