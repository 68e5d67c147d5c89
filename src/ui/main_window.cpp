#include "ui/main_window.h"

namespace quorrin::ui {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quorrin Jr"));
    resize(633, 537);
}

}  // namespace quorrin::ui
