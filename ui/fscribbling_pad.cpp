#include "ui/fscribbling_pad.h"

#include "ui/accessibility.h"
#include "ui/geometry.h"
#include "ui/text_box.h"

namespace vantor::ui {

fScribblingPad::fScribblingPad(QWidget* parent) : QWidget(parent)
{
    // Before anything queries the window's accessible interface, which Qt then keeps.
    installSideWindowAccessibility();
    setObjectName("fScribblingPad");
    setWindowTitle("Form1");
    // The caption says nothing of what the window is; a screen reader says this.
    setAccessibleName("Scratch pad");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(3405), twips(2730));

    m_pad = new TextBox(this);
    m_pad->setObjectName("tScribblingPad");
    m_pad->setGeometry(twipsRect(0, 0, 3375, 2655));
    m_pad->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pad->setAccessibleName("Notes");
}

} // namespace vantor::ui
