// One running copy per data folder: a lock file that the running copy holds, and a local socket
// through which a second start asks the first to come to the front.
#pragma once

#include <QString>
#include <functional>

namespace zarvelo::platform {

enum class FolderClaim {
    Ours,        // this copy holds the folder's lock
    Raised,      // another copy holds it and has brought its window to the front
    HeldBy,      // another copy holds it and did not answer
    Unlockable,  // no lock can be taken there (the folder cannot be written): play without one
};

// Takes the folder's lock, or asks the copy holding it to call its raise function. A lock left
// by a copy that was killed never counts. what says who holds the lock, or why none was taken.
FolderClaim ClaimDataFolder(const QString& folder, std::function<void()> raise, QString* what);

// Lets the lock go; the process is about to end.
void ReleaseDataFolder();

// Removes the temporary files that a save cut short by a kill left in the folder; returns how
// many. Only for the copy that holds the folder's lock.
int RemoveLeftoverTemporaryFiles(const QString& folder);

}  // namespace zarvelo::platform
