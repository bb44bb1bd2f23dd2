#pragma once

// Kills a child process at a chosen step of its work, placed by its
// progress, never by the clock: the parent traces the child and stops it
// as it enters each system call, the only way its files change. A kill
// there leaves the call not made. Calls that only look change nothing, so
// kills at the entries of the others (its steps) reach every state a kill
// can leave the files in, and a slow machine gives the same kills as a
// fast one.

#include <cstdint>
#include <functional>
#include <set>

#include <signal.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace daz::testing {

// System calls that only look or only manage memory: a kill as one is
// entered leaves the files as a kill at the next step would.
inline bool OnlyLooks(std::uint64_t call)
{
    static const std::set<std::uint64_t> looking = {
        SYS_read,       SYS_pread64,    SYS_readv,      SYS_lseek,    SYS_fstat,        SYS_newfstatat,     SYS_statx,
        SYS_faccessat,  SYS_getdents64, SYS_readlinkat, SYS_getcwd,   SYS_getrandom,    SYS_futex,          SYS_mmap,
        SYS_munmap,     SYS_mprotect,   SYS_madvise,    SYS_brk,      SYS_rt_sigaction, SYS_rt_sigprocmask,
#ifdef SYS_faccessat2
        SYS_faccessat2,
#endif
#ifdef SYS_access
        SYS_access,     SYS_stat,       SYS_lstat,      SYS_readlink,
#endif
    };
    return looking.contains(call);
}

// What became of a traced child.
struct TracedEnd {
    bool killed = false;    // at the step asked for; else it ended by itself first
    std::int64_t steps = 0; // the steps it took up to then
    int status = 0;         // how it ended, as waitpid tells
};

// Runs work in a traced child, which must end with _exit. Once armed()
// (asked in the parent, so of memory shared across the fork) says so, the
// child is killed as it enters its extraSteps-th step from then on.
inline TracedEnd RunTraced(const std::function<void()>& work, const std::function<bool()>& armed,
                           std::int64_t extraSteps)
{
    TracedEnd end;
    const pid_t child = ::fork();
    if (child < 0) {
        ADD_FAILURE() << "no fork";
        return end;
    }
    if (child == 0) {
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::raise(SIGSTOP);
        work();
        ::_exit(0);
    }
    const auto giveUp = [&](const char* why) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &end.status, 0);
        ADD_FAILURE() << why;
        return end;
    };
    if (::waitpid(child, &end.status, 0) != child || !WIFSTOPPED(end.status)
        || ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL) != 0)
        return giveUp("the child cannot be traced");
    int pass = 0; // a signal of the child's own, handed on
    std::int64_t extra = -1;
    for (;;) {
        ::ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(static_cast<std::intptr_t>(pass)));
        if (::waitpid(child, &end.status, 0) != child)
            return giveUp("the child is lost");
        if (!WIFSTOPPED(end.status))
            return end; // it ended by itself
        pass = 0;
        if (WSTOPSIG(end.status) != (SIGTRAP | 0x80)) {
            pass = WSTOPSIG(end.status);
            continue;
        }
        __ptrace_syscall_info call{};
        if (::ptrace(PTRACE_GET_SYSCALL_INFO, child, reinterpret_cast<void*>(sizeof call), &call) <= 0)
            return giveUp("the child's system calls cannot be seen");
        if (call.op != PTRACE_SYSCALL_INFO_ENTRY || OnlyLooks(call.entry.nr))
            continue;
        ++end.steps;
        if (extra < 0 && armed())
            extra = 0;
        if (extra >= 0 && extra++ == extraSteps)
            break;
    }
    end.killed = true;
    ::kill(child, SIGKILL);
    EXPECT_EQ(::waitpid(child, &end.status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(end.status) && WTERMSIG(end.status) == SIGKILL) << "status " << end.status;
    return end;
}

} // namespace daz::testing
