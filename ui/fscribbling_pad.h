#pragma once

#include <QWidget>

namespace vantor::ui {

class TextBox;

// A scratch pad for free notes: one text box that nothing else reads or writes.
// Hiding it keeps the notes; closing it discards them.
class fScribblingPad : public QWidget {
    Q_OBJECT

public:
    explicit fScribblingPad(QWidget* parent = nullptr);

private:
    TextBox* m_pad = nullptr;
};

} // namespace vantor::ui
