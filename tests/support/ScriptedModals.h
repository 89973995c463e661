#pragma once

#include "platform/Environment.h"
#include "platform/Modals.h"

#include <QList>
#include <QQueue>
#include <functional>

/// What a test's code showed through the modal seam.
struct ShownBox {
    enum class Kind { MessageDlg, Message, Error, Input, Open, Save, Form };
    Kind kind;
    QString text;    // message text, input prompt
    QString caption; // input caption
    platform::MsgDlgType type = platform::MsgDlgType::Custom;
    unsigned buttons = 0;
    QDialog* form = nullptr;
};

/// The tests' modal seam: installs itself for its lifetime, records every box and answers from queues.
/// An unanswered message box returns its first button; unanswered input and file dialogs and forms are
/// cancelled, so nothing ever blocks.
class ScriptedModals final : public platform::Modals {
public:
    ScriptedModals();
    ~ScriptedModals() override;

    void answerMessage(int modalResult) { m_messageAnswers.enqueue(modalResult); }
    void answerInput(std::optional<QString> text) { m_inputAnswers.enqueue(std::move(text)); }
    void answerOpen(const QString& fileName) { m_openAnswers.enqueue(fileName); }
    void answerSave(const QString& fileName) { m_saveAnswers.enqueue(fileName); }
    /// The callback acts on the form as a user would and returns its modal result.
    void answerForm(std::function<int(QDialog*)> act) { m_formAnswers.enqueue(std::move(act)); }

    const QList<ShownBox>& shown() const { return m_shown; }
    /// Texts of all message, error and dialog boxes, in order.
    QStringList texts() const;
    void clear() { m_shown.clear(); }
    /// Runs inside every message box, as a real one would take the focus while it is up.
    std::function<void()> whileMessageShown;

    int messageDlg(const QString& text, platform::MsgDlgType type, unsigned buttons) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& defaultText) override;
    QString openFileName(QWidget* parent) override;
    QString saveFileName(QWidget* parent) override;
    int showModal(QDialog* form) override;

private:
    QList<ShownBox> m_shown;
    QQueue<int> m_messageAnswers;
    QQueue<std::optional<QString>> m_inputAnswers;
    QQueue<QString> m_openAnswers;
    QQueue<QString> m_saveAnswers;
    QQueue<std::function<int(QDialog*)>> m_formAnswers;
};

/// A clock and current directory that tests set.
class FakeEnvironment final : public platform::Environment {
public:
    FakeEnvironment();
    ~FakeEnvironment() override;
    platform::TDateTime now() const override { return m_now; }
    QString currentDirectory() const override { return m_dir; }

    void setNow(platform::TDateTime t) { m_now = t; }
    void advanceMinutes(double minutes) { m_now += minutes / 1440.0; }
    void setCurrentDirectory(const QString& dir) { m_dir = dir; }

private:
    platform::TDateTime m_now = 46000.5;
    QString m_dir;
};
