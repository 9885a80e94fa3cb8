#include "support/killed_writer.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

bool ChangeInAProcessKilledAt(const std::function<void()>& change, int replace,
                              ReplaceStage stage) {
    const pid_t child = ::fork();
    if (child == 0) {
        int reached = 0;
        SetReplaceStageHook([&](ReplaceStage at) {
            if (at == stage && ++reached == replace) {
                ::raise(SIGKILL);
            }
        });
        change();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
