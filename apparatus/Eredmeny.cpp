#include "apparatus/Eredmeny.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace sim {

namespace {
constexpr QSize kForm2Size(539, 291);
constexpr QRect kMemo1(8, 8, 400, 273);
constexpr QRect kButton1(440, 24, 75, 25);
}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Form2");
    resize(kForm2Size);
    Memo1 = new QPlainTextEdit("Memo1", this);
    Memo1->setGeometry(kMemo1);
    Button1 = new QPushButton("Clear", this);
    Button1->setGeometry(kButton1);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm2::Button1Click() const {
    Memo1->clear();
}

}  // namespace sim
