#pragma once

#include "ui/Modal.h"

#include <QString>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

// The test double of the modal seam: records every message and answers
// questions and dialogs from queues. An unexpected question or dialog fails
// the test and answers No / Rejected. While a message or a question is "shown"
// it holds the focus, as a real box does, whenever a window of the test is active.
class RecordingModal : public ui::Modal {
public:
    struct Shown {
        ui::MessageKind kind;
        QString caption;
        QString text;
    };

    RecordingModal();
    ~RecordingModal() override;

    void message(QWidget* parent, ui::MessageKind kind, const QString& caption,
                 const QString& text) override;
    bool question(QWidget* parent, const QString& caption, const QString& text) override;
    int exec(QDialog& dialog) override;

    // Answers for the next questions, in order; meanwhile runs while the question is open.
    void answer(bool yes, std::function<void()> meanwhile = {}) { answers_.push_back({yes, std::move(meanwhile)}); }
    // Runs for the next modal dialog; its return value is the dialog's result.
    void onDialog(std::function<int(QDialog&)> handler) { dialogs_.push_back(std::move(handler)); }

    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

private:
    std::vector<Shown> shown_;
    std::deque<std::pair<bool, std::function<void()>>> answers_;
    std::deque<std::function<int(QDialog&)>> dialogs_;
};
