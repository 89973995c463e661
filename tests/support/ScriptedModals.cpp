#include "ScriptedModals.h"

#include <QDir>

using namespace platform;

ScriptedModals::ScriptedModals() { setModals(this); }

ScriptedModals::~ScriptedModals() { setModals(nullptr); }

QStringList ScriptedModals::texts() const {
    QStringList out;
    for (const auto& s : m_shown) {
        if (s.kind == ShownBox::Kind::MessageDlg || s.kind == ShownBox::Kind::Message ||
            s.kind == ShownBox::Kind::Error)
            out << s.text;
    }
    return out;
}

int ScriptedModals::messageDlg(const QString& text, MsgDlgType type, unsigned buttons) {
    m_shown.append({ShownBox::Kind::MessageDlg, text, {}, type, buttons, nullptr});
    if (whileMessageShown)
        whileMessageShown();
    if (!m_messageAnswers.isEmpty())
        return m_messageAnswers.dequeue();
    static constexpr std::pair<unsigned, int> order[] = {{mbYes, mrYes},     {mbNo, mrNo},
                                                         {mbOK, mrOk},       {mbCancel, mrCancel},
                                                         {mbAbort, mrAbort}, {mbRetry, mrRetry},
                                                         {mbIgnore, mrIgnore}};
    for (const auto& [button, result] : order) {
        if (buttons & button)
            return result;
    }
    return mrOk;
}

void ScriptedModals::showMessage(const QString& text) {
    m_shown.append({ShownBox::Kind::Message, text, {}, MsgDlgType::Custom, mbOK, nullptr});
}

void ScriptedModals::showError(const QString& text) {
    m_shown.append({ShownBox::Kind::Error, text, {}, MsgDlgType::Error, mbOK, nullptr});
}

std::optional<QString> ScriptedModals::inputQuery(const QString& caption, const QString& prompt,
                                                  const QString&) {
    m_shown.append({ShownBox::Kind::Input, prompt, caption, MsgDlgType::Custom, 0, nullptr});
    return m_inputAnswers.isEmpty() ? std::nullopt : m_inputAnswers.dequeue();
}

QString ScriptedModals::openFileName(QWidget*) {
    m_shown.append({ShownBox::Kind::Open, {}, {}, MsgDlgType::Custom, 0, nullptr});
    return m_openAnswers.isEmpty() ? QString() : m_openAnswers.dequeue();
}

QString ScriptedModals::saveFileName(QWidget*) {
    m_shown.append({ShownBox::Kind::Save, {}, {}, MsgDlgType::Custom, 0, nullptr});
    return m_saveAnswers.isEmpty() ? QString() : m_saveAnswers.dequeue();
}

int ScriptedModals::showModal(QDialog* form) {
    m_shown.append({ShownBox::Kind::Form, {}, {}, MsgDlgType::Custom, 0, form});
    return m_formAnswers.isEmpty() ? mrCancel : m_formAnswers.dequeue()(form);
}

FakeEnvironment::FakeEnvironment() : m_dir(QDir::currentPath()) { setEnvironment(this); }

FakeEnvironment::~FakeEnvironment() { setEnvironment(nullptr); }
