#pragma once

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QString>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace widgets {

enum class TQvAboutBtnPlacing { abpLeft, abpCentre, abpRight };
enum class TQvAboutBtnKinds { abkOK, abkDone, abkClose, abkCancel };
enum class TQvAboutBtnGlyphs { abgOK, abgCancel, abgIgnore, abgClose, abgNone };
enum class TQvAboutPosition { abpScreen, abpDesktop, abpOwner };

/// The version strings of a file, from which the About window can take its four lines.
class TQvVersionInfo : public QObject {
public:
    using QObject::QObject;
    /// The string named key: "ProductName", "ProductVersion", "LegalCopyright", "Comments".
    virtual QString VersionString(const QString& key) const = 0;
};

/// The About window; built for one showing and freed afterwards.
class TQvAboutBoxForm : public QDialog {
public:
    explicit TQvAboutBoxForm(QWidget* parent = nullptr);

    QFrame* IconBevel = nullptr;
    QLabel* IconImg = nullptr;
    QFrame* TextBevel = nullptr;
    QLabel* ProgramLbl = nullptr;
    QLabel* VersionLbl = nullptr;
    QLabel* CopyrightLbl = nullptr;
    QLabel* NotesLbl = nullptr;
    QFrame* Separator = nullptr;
    /// Closes the window with the OK result.
    QPushButton* DoneBtn = nullptr;
    int HelpContext = 0;
};

/// The left edge of the button in a client area clientWidth wide whose separator runs from
/// separatorLeft for separatorWidth pixels.
int aboutButtonLeft(TQvAboutBtnPlacing placing, int clientWidth, int separatorLeft, int separatorWidth,
                    int buttonWidth);

/// The top-left corner of a window of the given size: centred in area or at its corner plus offset,
/// then moved back inside workArea (left and top edges win over right and bottom).
QPoint aboutWindowPlacement(const QRect& area, const QRect& workArea, QSize window, bool centre,
                            QPoint offset);

/// A component that shows a small modal About window built from its properties.
class TQvAboutBoxDlg : public QObject {
public:
    explicit TQvAboutBoxDlg(QObject* owner = nullptr);

    QString Title() const { return m_title; }
    void SetTitle(const QString& value) { m_title = value; }
    /// The first line; the application's title when empty.
    QString ProgramName() const { return m_programName; }
    void SetProgramName(const QString& value) { m_programName = value; }
    QString Version() const { return m_version; }
    void SetVersion(const QString& value) { m_version = value; }
    QString Copyright() const { return m_copyright; }
    void SetCopyright(const QString& value) { m_copyright = value; }
    QString Notes() const { return m_notes; }
    void SetNotes(const QString& value) { m_notes = value; }
    TQvAboutBtnPlacing ButtonPlacing() const { return m_buttonPlacing; }
    void SetButtonPlacing(TQvAboutBtnPlacing value) { m_buttonPlacing = value; }
    TQvAboutBtnKinds ButtonKind() const { return m_buttonKind; }
    void SetButtonKind(TQvAboutBtnKinds value) { m_buttonKind = value; }
    TQvAboutBtnGlyphs ButtonGlyph() const { return m_buttonGlyph; }
    void SetButtonGlyph(TQvAboutBtnGlyphs value) { m_buttonGlyph = value; }
    /// When set the button gets no glyph and ButtonGlyph is not used.
    bool AutoDetectGlyphs() const { return m_autoDetectGlyphs; }
    void SetAutoDetectGlyphs(bool value) { m_autoDetectGlyphs = value; }
    int ButtonHeight() const { return m_buttonHeight; }
    void SetButtonHeight(int value) { m_buttonHeight = value; }
    int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int value) { m_buttonWidth = value; }
    bool CentreDlg() const { return m_centreDlg; }
    void SetCentreDlg(bool value) { m_centreDlg = value; }
    int DlgLeft() const { return m_dlgLeft; }
    void SetDlgLeft(int value) { m_dlgLeft = value; }
    int DlgTop() const { return m_dlgTop; }
    void SetDlgTop(int value) { m_dlgTop = value; }
    TQvAboutPosition Position() const { return m_position; }
    void SetPosition(TQvAboutPosition value) { m_position = value; }
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int value) { m_helpContext = value; }
    /// Cleared by itself when the version information is destroyed.
    TQvVersionInfo* VersionInfo() const { return m_versionInfo; }
    void SetVersionInfo(TQvVersionInfo* value) { m_versionInfo = value; }

    /// Builds the window, shows it modally through the modal seam and frees it.
    void Execute();

private:
    std::unique_ptr<TQvAboutBoxForm> buildForm() const;
    QRect placementArea(const QWidget* ownerWidget) const;

    QString m_title;
    QString m_programName;
    QString m_version;
    QString m_copyright;
    QString m_notes;
    TQvAboutBtnPlacing m_buttonPlacing = TQvAboutBtnPlacing::abpCentre;
    TQvAboutBtnKinds m_buttonKind = TQvAboutBtnKinds::abkOK;
    TQvAboutBtnGlyphs m_buttonGlyph = TQvAboutBtnGlyphs::abgOK;
    bool m_autoDetectGlyphs = true;
    int m_buttonHeight = 25;
    int m_buttonWidth = 75;
    bool m_centreDlg = true;
    int m_dlgLeft = 0;
    int m_dlgTop = 0;
    TQvAboutPosition m_position = TQvAboutPosition::abpDesktop;
    int m_helpContext = 0;
    QPointer<TQvVersionInfo> m_versionInfo;
};

/// Gives the program's About component its texts; title is the main window's title.
void setProgramAboutTexts(TQvAboutBoxDlg& dlg, const QString& title);

} // namespace widgets
