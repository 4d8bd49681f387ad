// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the program's own controls with made-up rows, to look at them:
//     controls_demo [--screenshot FILE.png]
#include "velbutton.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Cairnbook controls");
    auto* layout = new QVBoxLayout(&window);
    auto* list = new CXListCtrl(&window);
    const struct {
        const char* title;
        Qt::Alignment align;
        int width;
    } columns[] = {{"Index", Qt::AlignHCenter, 45}, {"Name", Qt::AlignLeft, 80},
                   {"Icon", Qt::AlignLeft, 150},    {"Height", Qt::AlignLeft, 70},
                   {"Visited", Qt::AlignLeft, 90},  {"Done", Qt::AlignHCenter, 50},
                   {"Tagged", Qt::AlignLeft, 90}};
    for (const auto& c : columns)
        list->InsertColumn(c.title, c.align, c.width);
    const ColorRef text = Rgb(0, 0, 0), back = Rgb(200, 255, 255);
    for (int i = 0; i < 20; ++i) {
        const int row = list->InsertItem(i, QString::number(i));
        list->SetItemText(row, 0, QString::number(i), text, back);
        list->SetItemText(row, 1, QString("P%1").arg((i * 7) % 20, 2, 10, QChar('0')), text, back);
        list->SetItemText(row, 2, QString("Symbol %1").arg(i * 2 + 1), text, back);
        list->SetItemImage(row, 2, (i * 2 + 1) % 50);
        list->SetItemText(row, 3, QString::number((i * 37) % 100 - 30), text, back);
        list->SetItemText(row, 4, QString("%1/0%2/2004").arg(10 + i % 18).arg(1 + i % 9), text,
                          back);
        list->SetItemText(row, 5, "", text, back);
        list->SetCheckState(row, 5, i % 3 == 0);
        list->SetItemText(row, 6, i % 2 ? "yes" : "", text, i % 4 ? back : Rgb(255, 230, 200));
        list->SetCheckState(row, 6, i % 2);
    }
    list->SortByColumn(3, 0);
    list->SetItemSelected(4, true);
    layout->addWidget(list);
    auto* buttons = new QHBoxLayout;
    auto* hide = new CVelButton("Hide Waypoints\nShow Waypoints", &window);
    auto* reset = new CVelButton("Reset Map", &window);
    hide->setFixedSize(100, 20);
    reset->setFixedSize(70, 20);
    hide->SetCheck(true);
    buttons->addWidget(hide);
    buttons->addWidget(reset);
    buttons->addStretch();
    layout->addLayout(buttons);
    window.resize(640, 480);
    const QStringList args = app.arguments();
    const qsizetype shot = args.indexOf("--screenshot");
    if (shot >= 0 && shot + 1 < args.size()) {
        window.show();
        QApplication::processEvents();
        return window.grab().save(args[shot + 1]) ? 0 : 1;
    }
    window.show();
    return app.exec();
}
