#pragma once

// Kills placed by a writer's progress, never by the clock: the parent
// traces a child and stops it as it enters each system call, the only way
// its files change. A kill there leaves the call not made. Calls that only
// look change nothing, so the kills at the entries of the others (its
// steps) reach every state a kill can leave the files in, the middle of
// each write among them, and a slow machine gives the same kills as a
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

// What the parent saw of a traced child.
struct TracedRun {
    qint64 steps = 0;    // the child's steps up to the kill, or all of them
    bool killed = false; // false when the child finished first
};

// Runs body in a traced child, which ends with _exit(0) when body returns.
// Before each step, killHere is asked with the number of steps before it
// (0 for the first); when it says yes the child is killed there with
// SIGKILL. A child that cannot be traced, or fails, is a test failure.
inline TracedRun RunUntilKilled(const std::function<void()>& body, const std::function<bool(qint64)>& killHere)
{
    TracedRun run;
    const pid_t child = ::fork();
    if (child < 0) {
        ADD_FAILURE() << "no fork";
        return run;
    }
    if (child == 0) {
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::raise(SIGSTOP);
        body();
        ::_exit(0);
    }
    int status = 0;
    const auto giveUp = [&](const char* why) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        ADD_FAILURE() << why;
        return run;
    };
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)
        || ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL) != 0) {
        return giveUp("the writer cannot be traced");
    }
    int pass = 0; // a signal of the writer's own, handed on
    for (;;) {
        ::ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(static_cast<std::intptr_t>(pass)));
        if (::waitpid(child, &status, 0) != child) {
            ADD_FAILURE() << "the writer is lost";
            return run;
        }
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), 0) << "the writer failed";
            return run;
        }
        if (!WIFSTOPPED(status)) {
            ADD_FAILURE() << "the writer failed, status " << status;
            return run;
        }
        pass = 0;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            pass = WSTOPSIG(status);
            continue;
        }
        __ptrace_syscall_info call{};
        if (::ptrace(PTRACE_GET_SYSCALL_INFO, child, reinterpret_cast<void*>(sizeof call), &call) <= 0) {
            return giveUp("the writer's system calls cannot be seen");
        }
        if (call.op != PTRACE_SYSCALL_INFO_ENTRY || OnlyLooks(call.entry.nr)) {
            continue;
        }
        if (killHere(run.steps)) {
            break;
        }
        ++run.steps;
    }
    run.killed = true;
    ::kill(child, SIGKILL);
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
    return run;
}

} // namespace daz::testing
