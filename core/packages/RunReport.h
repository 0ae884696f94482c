// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Messages.h"
#include "Path.h"

#include <QStringList>

#include <string>
#include <vector>

namespace Workflows {

enum class Outcome { Success, Failed, Cancelled };

// What a run that writes a package or restores a file tells: the screens and lockfern-cli present
// the same report, each in its own way.
struct RunReport
{
    // What happened at the result's path.
    enum class Placed {
        Nothing,
        Written,      // under the name it was meant to have
        AlreadyThere, // an identical file was there before the run, and nothing was written
        Numbered,     // a different file held the name, so ours took the first free number
    };

    Outcome outcome = Outcome::Failed;
    Messages::Message message = Messages::Message::EncryptFailed; // the outcome's sentence
    QStringList lines; // the activity log's, in order; the outcome's own line last when it has one
    Path path;         // the result, after a success
    Placed placed = Placed::Nothing;
    Messages::Sentence detail; // under the sentence: where the result went, or why the run failed
    Messages::Failure failure; // why it failed
    std::vector<std::string> skipped; // a folder's entries left out (special files), as paths inside it
    bool cantDeleteFolder = false; // writing a package: the clean-up found no package folder to remove

    bool succeeded() const { return outcome == Outcome::Success; }
};

} // namespace Workflows
