#include "gui/shell/form_disclaimer.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace quillux::gui {

QString TFormDisclaimer::DisclaimerText() {
    return QStringLiteral(
        "DISCLAIMER\n"
        "\n"
        "Quillux Lite is provided \"as is\", without warranty of any kind, express or "
        "implied, including but not limited to the warranties of merchantability, fitness "
        "for a particular purpose and non-infringement.\n"
        "\n"
        "The calculations of this program (electrical loads, currents, voltage drop, "
        "photometrics, rigging loads, weights and volumes, DMX addresses) are aids for "
        "planning only. They rest on the values you enter and on the data of the fixture, "
        "manufacturer and roadcase tables, which may be incomplete or wrong.\n"
        "\n"
        "Electrical work and rigging are dangerous. Every installation must be designed, "
        "checked and approved by a qualified and competent person, in accordance with the "
        "codes, regulations and standards in force where it is used, and with the "
        "instructions of the equipment's manufacturers. Never load a point, a truss, a "
        "cable or a circuit beyond its rated capacity because a result of this program "
        "says it is fine.\n"
        "\n"
        "In no event shall the authors or the copyright holders be liable for any claim, "
        "damages, injury or other liability, whether in an action of contract, tort or "
        "otherwise, arising from, out of or in connection with the program or the use of "
        "its results.\n"
        "\n"
        "By using Quillux Lite you accept these terms.");
}

TFormDisclaimer::TFormDisclaimer(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FormDisclaimer"));
    setWindowTitle(QStringLiteral("Disclaimer"));
    setFixedSize(kClientWidth, kClientHeight);

    auto* memo = new QPlainTextEdit(DisclaimerText(), this);
    memo->setObjectName(QStringLiteral("MemoDisclaimer"));
    memo->setReadOnly(true);
    memo->setGeometry(4, 4, 356, 403);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setGeometry(145, 412, 75, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

}  // namespace quillux::gui
