#pragma once

// Runs plumet-cli as a user would, for the tests that compare with what it writes.

#include <juce_core/juce_core.h>

struct CliResult
{
    int status = -1;
    juce::String out;
};

/** Runs the tool; with errorsToo, what it writes to standard error is in out as well. */
inline CliResult runCli(const juce::StringArray& args, bool errorsToo = false)
{
    juce::ChildProcess process;
    juce::StringArray command(PLUMET_CLI_PATH);
    command.addArray(args);
    CliResult result;
    const int streams = juce::ChildProcess::wantStdOut | (errorsToo ? juce::ChildProcess::wantStdErr : 0);
    if (!process.start(command, streams))
        return result;
    result.out = process.readAllProcessOutput();
    process.waitForProcessToFinish(30000);
    result.status = static_cast<int>(process.getExitCode());
    return result;
}
