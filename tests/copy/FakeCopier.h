#pragma once
// A copier that copies nothing: it records each request and answers with
// the outcome prepared for it (a plain success when none is).
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "copy/ShellCopy.h"

namespace vt::copytest {

class FakeCopier : public FileCopier {
public:
    struct Call {
        std::vector<std::string> sources;
        std::string destFolder;
        bool showProgress;
    };
    std::vector<Call> calls;
    std::deque<CopyOutcome> outcomes;
    std::function<void()> onCopy; // e.g. lets a fake clock run

    CopyOutcome Copy(const std::vector<std::string>& sources, const std::string& destFolder, bool showProgress) override
    {
        calls.push_back({sources, destFolder, showProgress});
        if (onCopy)
            onCopy();
        if (outcomes.empty())
            return {};
        CopyOutcome o = outcomes.front();
        outcomes.pop_front();
        return o;
    }
};

} // namespace vt::copytest
