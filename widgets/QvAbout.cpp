#include "widgets/QvAbout.h"

#include "platform/Canvas.h"
#include "platform/Modals.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace widgets {

namespace {

// The form as designed: client area, the two framed boxes, the labels, the separator and the button.
constexpr int kClientWidth = 329;
constexpr int kClientHeight = 199;
constexpr int kSeparatorLeft = 8;
constexpr int kSeparatorTop = 150;
constexpr int kSeparatorWidth = 313;
constexpr int kButtonTop = 158;
// The client height is the button's height plus everything above and below it.
constexpr int kHeightAroundButton = 166;

QLabel* makeLabel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFrame* makeBevel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(left, top, width, height);
    return frame;
}

QString buttonCaption(TQvAboutBtnKinds kind) {
    switch (kind) {
    case TQvAboutBtnKinds::abkDone:
        return QStringLiteral("Done");
    case TQvAboutBtnKinds::abkClose:
        return QStringLiteral("Close");
    case TQvAboutBtnKinds::abkCancel:
        return QStringLiteral("Cancel");
    case TQvAboutBtnKinds::abkOK:
        break;
    }
    return QStringLiteral("OK");
}

QIcon buttonGlyph(TQvAboutBtnGlyphs glyph, const QStyle* style) {
    switch (glyph) {
    case TQvAboutBtnGlyphs::abgOK:
        return style->standardIcon(QStyle::SP_DialogOkButton);
    case TQvAboutBtnGlyphs::abgCancel:
        return style->standardIcon(QStyle::SP_DialogCancelButton);
    case TQvAboutBtnGlyphs::abgIgnore:
        return style->standardIcon(QStyle::SP_DialogIgnoreButton);
    case TQvAboutBtnGlyphs::abgClose:
        return style->standardIcon(QStyle::SP_DialogCloseButton);
    case TQvAboutBtnGlyphs::abgNone:
        break;
    }
    return {};
}

} // namespace

TQvAboutBoxForm::TQvAboutBoxForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("QvAboutBoxForm"));
    QFont f = platform::DefaultFont();
    f.setPixelSize(13);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setFixedSize(kClientWidth, kClientHeight);

    // The boxes first, so the image and the labels lie on top of them.
    IconBevel = makeBevel(this, "IconBevel", 8, 8, 40, 40);
    TextBevel = makeBevel(this, "TextBevel", 56, 8, 265, 134);
    IconImg = new QLabel(this);
    IconImg->setObjectName(QStringLiteral("IconImg"));
    IconImg->setGeometry(12, 12, 32, 32);
    ProgramLbl = makeLabel(this, "ProgramLbl", 64, 16, 249, 16);
    VersionLbl = makeLabel(this, "VersionLbl", 64, 40, 249, 16);
    CopyrightLbl = makeLabel(this, "CopyrightLbl", 64, 64, 249, 16);
    NotesLbl = makeLabel(this, "NotesLbl", 64, 88, 249, 50);
    NotesLbl->setWordWrap(true);
    Separator = new QFrame(this);
    Separator->setObjectName(QStringLiteral("Separator"));
    Separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Separator->setGeometry(kSeparatorLeft, kSeparatorTop, kSeparatorWidth, 2);
    DoneBtn = new QPushButton(this);
    DoneBtn->setObjectName(QStringLiteral("DoneBtn"));
    DoneBtn->setGeometry(8, kButtonTop, 89, 33);
    DoneBtn->setDefault(true);
    connect(DoneBtn, &QPushButton::clicked, this, &QDialog::accept);
}

int aboutButtonLeft(TQvAboutBtnPlacing placing, int clientWidth, int separatorLeft, int separatorWidth,
                    int buttonWidth) {
    switch (placing) {
    case TQvAboutBtnPlacing::abpLeft:
        return separatorLeft;
    case TQvAboutBtnPlacing::abpRight:
        return separatorLeft + separatorWidth - buttonWidth;
    case TQvAboutBtnPlacing::abpCentre:
        break;
    }
    return (clientWidth - buttonWidth) / 2;
}

QPoint aboutWindowPlacement(const QRect& area, const QRect& workArea, QSize window, bool centre,
                            QPoint offset) {
    int left, top;
    if (centre) {
        left = area.x() + (area.width() - window.width()) / 2;
        top = area.y() + (area.height() - window.height()) / 2;
    } else {
        left = area.x() + offset.x();
        top = area.y() + offset.y();
    }
    // Right and bottom edges are exclusive here: x + width is the first pixel past the window.
    if (left < workArea.x())
        left = workArea.x();
    else if (left + window.width() > workArea.x() + workArea.width())
        left = workArea.x() + workArea.width() - window.width();
    if (top < workArea.y())
        top = workArea.y();
    else if (top + window.height() > workArea.y() + workArea.height())
        top = workArea.y() + workArea.height() - window.height();
    return {left, top};
}

TQvAboutBoxDlg::TQvAboutBoxDlg(QObject* owner) : QObject(owner), m_title(QStringLiteral("About")) {}

QRect TQvAboutBoxDlg::placementArea(const QWidget* ownerWidget) const {
    const QScreen* screen = ownerWidget ? ownerWidget->screen() : QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect();
    switch (m_position) {
    case TQvAboutPosition::abpScreen:
        return screenRect;
    case TQvAboutPosition::abpDesktop:
        return screen ? screen->availableGeometry() : QRect();
    case TQvAboutPosition::abpOwner:
        if (!ownerWidget)
            return screenRect;
        if (ownerWidget->isWindow())
            return ownerWidget->frameGeometry();
        return {ownerWidget->mapToGlobal(QPoint(0, 0)), ownerWidget->size()};
    }
    return screenRect;
}

std::unique_ptr<TQvAboutBoxForm> TQvAboutBoxDlg::buildForm() const {
    auto* ownerWidget = qobject_cast<QWidget*>(parent());
    auto form = std::make_unique<TQvAboutBoxForm>(ownerWidget);
    form->setFont(platform::DefaultFont());
    form->setWindowTitle(m_title);

    if (m_versionInfo) {
        form->ProgramLbl->setText(m_versionInfo->VersionString(QStringLiteral("ProductName")));
        form->VersionLbl->setText(m_versionInfo->VersionString(QStringLiteral("ProductVersion")));
        form->CopyrightLbl->setText(m_versionInfo->VersionString(QStringLiteral("LegalCopyright")));
        form->NotesLbl->setText(m_versionInfo->VersionString(QStringLiteral("Comments")));
    } else {
        form->ProgramLbl->setText(m_programName.isEmpty() ? QGuiApplication::applicationDisplayName()
                                                          : m_programName);
        form->VersionLbl->setText(m_version);
        form->CopyrightLbl->setText(m_copyright);
        form->NotesLbl->setText(m_notes);
    }
    form->IconImg->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    QPushButton* button = form->DoneBtn;
    button->setGeometry(
        aboutButtonLeft(m_buttonPlacing, kClientWidth, kSeparatorLeft, kSeparatorWidth, m_buttonWidth),
        kButtonTop, m_buttonWidth, m_buttonHeight);
    button->setText(buttonCaption(m_buttonKind));
    if (!m_autoDetectGlyphs)
        button->setIcon(buttonGlyph(m_buttonGlyph, form->style()));
    form->setFixedSize(kClientWidth, m_buttonHeight + kHeightAroundButton);

    const QScreen* screen = ownerWidget ? ownerWidget->screen() : QGuiApplication::primaryScreen();
    const QRect workArea = screen ? screen->availableGeometry() : QRect();
    form->move(aboutWindowPlacement(placementArea(ownerWidget), workArea, form->frameGeometry().size(),
                                    m_centreDlg, QPoint(m_dlgLeft, m_dlgTop)));
    form->HelpContext = m_helpContext;
    return form;
}

void TQvAboutBoxDlg::Execute() {
    const std::unique_ptr<TQvAboutBoxForm> form = buildForm();
    platform::modals().showModal(form.get());
}

void setProgramAboutTexts(TQvAboutBoxDlg& dlg, const QString& title) {
    dlg.SetTitle(title);
    dlg.SetProgramName(QStringLiteral("Kanaleditor für Pelmora- und Korbix-Receiver"));
    dlg.SetVersion(QStringLiteral("Version 1.07 vom 14.03.2008"));
    dlg.SetCopyright(QStringLiteral("Copyright © 2008 Quirnhagen"));
    dlg.SetNotes(QStringLiteral("Fragen, Fehler und Hinweise bitte an kanaleditor@example.org"));
}

} // namespace widgets
