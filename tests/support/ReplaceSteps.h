#pragma once

#include "base/AtomicFile.h"

#include <QFileInfo>
#include <QString>

#include <functional>
#include <ostream>
#include <vector>

// Watches the steps by which replacements take their place while it lives:
// each step with the name of the file it replaces, after act (when given) has
// run at it; act's result fails the step with that error number (0: it runs).
class ReplaceSteps {
public:
    using Act = std::function<int(base::ReplaceStep step, const QString& target)>;

    explicit ReplaceSteps(Act act = {})
    {
        base::SetReplaceHook([this, act = std::move(act)](base::ReplaceStep step, const QString& target) {
            steps_.push_back({step, QFileInfo(target).fileName()});
            return act ? act(step, target) : 0;
        });
    }
    ~ReplaceSteps() { base::SetReplaceHook({}); }
    ReplaceSteps(const ReplaceSteps&) = delete;
    ReplaceSteps& operator=(const ReplaceSteps&) = delete;

    struct Step {
        base::ReplaceStep step;
        QString file;
        bool operator==(const Step&) const = default;
    };
    const std::vector<Step>& steps() const { return steps_; }

private:
    std::vector<Step> steps_;
};

inline void PrintTo(const ReplaceSteps::Step& s, std::ostream* out)
{
    static const char* const names[] = {"SyncFile", "Rename", "Link", "SyncDirectory", "Exchange"};
    *out << names[int(s.step)] << ' ' << s.file.toStdString();
}
