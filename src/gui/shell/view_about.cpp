#include "gui/shell/view_about.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "gui/shell/shell.h"

namespace quillux::gui {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int pixelHeight,
                  const QRect& box) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    label->setFont(font);
    label->setGeometry(box);
    label->setStyleSheet(QStringLiteral("color: navy;"));
    return label;
}

}  // namespace

QString TViewAbout::AcknowledgementText() {
    return QStringLiteral(
        "Quillux Lite is a set of calculators for the people who light, power and rig "
        "shows: photometrics, electrical laws, phase balancing, load lists, voltage drop, "
        "rigging bridles, weight and truck lists, DMX addressing and unit conversion.\n"
        "\n"
        "Acknowledgements\n"
        "Thanks to the lighting technicians, electricians and riggers who tried the early "
        "builds on real shows, checked the results against their own figures and sent "
        "corrections. Thanks also to the communities behind the free tools this program is "
        "built with.\n"
        "\n"
        "Reference books\n"
        "The formulas and tables of this program were checked against two kinds of printed "
        "reference:\n"
        "1. A handbook of electricity for the entertainment industry: Ohm's law, power, "
        "single- and three-phase distribution, conductor sizing and voltage drop.\n"
        "2. A handbook of entertainment rigging: bridle geometry, load sharing between "
        "points, hardware ratings and safe working practice.\n"
        "\n"
        "The results of Quillux Lite are aids to calculation. Always check them against the "
        "regulations in force and the data of the equipment's manufacturer, and have a "
        "qualified person approve every electrical and rigging installation.");
}

TViewAbout::TViewAbout(const ShellState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("ViewAbout"));
    setWindowTitle(QStringLiteral("About Quillux Lite"));
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(128, 128, 255));
    setPalette(colours);

    QLabel* title = MakeLabel(this, "LabelTitle", QStringLiteral("QUILLUX LITE"), 27,
                              QRect(0, 6, kClientWidth, 34));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    QLabel* version = MakeLabel(this, "LabelVersion", QStringLiteral("Version: ") + state.VersionName,
                                16, QRect(12, 46, 300, 20));
    QFont versionFont = version->font();
    versionFont.setBold(true);
    version->setFont(versionFont);
    MakeLabel(this, "LabelRelease", QStringLiteral("Release date: Feb 16 2003"), 13,
              QRect(12, 68, 300, 17));

    auto* memo = new QPlainTextEdit(AcknowledgementText(), this);
    memo->setObjectName(QStringLiteral("MemoAbout"));
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setGeometry(12, 90, 289, 190);
    memo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: rgb(166, 202, 240); color: black; }"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImageLogo"));
    picture->setGeometry(303, 90, 229, 190);
    picture->setAlignment(Qt::AlignCenter);
    const QString logoPath = state.ResourcePath(QStringLiteral("QLX_Logo.bmp"));
    if (QFileInfo::exists(logoPath)) {
        const QPixmap logo(logoPath);
        if (!logo.isNull()) {
            picture->setPixmap(logo.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }

    QLabel* folder = MakeLabel(this, "LabelFolder", QStringLiteral("Folder: ") + state.InstallDir,
                               10, QRect(10, 284, 520, 26));
    folder->setWordWrap(true);
    folder->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* note = MakeLabel(this, "LabelReport", QStringLiteral("Any bugs / comments can be reported at:"),
                             12, QRect(12, 312, 230, 16));
    QFont noteFont = note->font();
    noteFont.setItalic(true);
    note->setFont(noteFont);

    QLabel* mail = MakeLabel(this, "LabelMail",
                             QStringLiteral("<a href=\"mailto:%1\" style=\"color:#ffff80;\">%1</a>")
                                 .arg(kContactAddress),
                             12, QRect(246, 312, 200, 16));
    mail->setTextFormat(Qt::RichText);
    mail->setOpenExternalLinks(true);
    mail->setCursor(Qt::PointingHandCursor);

    QLabel* web = MakeLabel(this, "LabelWeb",
                            QStringLiteral("<a href=\"%1\" style=\"color:#ffff80;\">Click here for the lastest version</a>")
                                .arg(kWebAddress),
                            12, QRect(12, 331, 260, 16));
    web->setTextFormat(Qt::RichText);
    web->setOpenExternalLinks(true);
    web->setToolTip(kWebAddress);
    web->setCursor(Qt::PointingHandCursor);

    QLabel* notice = MakeLabel(this, "LabelNotice",
                               QStringLiteral("\u00A9 The Quillux Lite developers. All rights reserved."),
                               12, QRect(12, 353, 420, 16));
    QFont noticeFont = notice->font();
    noticeFont.setBold(true);
    notice->setFont(noticeFont);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setGeometry(452, 342, 76, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TViewAbout::OKClick);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

void TViewAbout::OKClick() { accept(); }

}  // namespace quillux::gui
