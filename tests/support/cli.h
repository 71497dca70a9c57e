#pragma once

// Runs plumet-cli and the other command-line tools as a user would, for the tests that check
// what they write or what they make of our files.

#include <juce_core/juce_core.h>

#include <sys/wait.h>

#include <cstdlib>

struct CliResult
{
    int status = -1;
    juce::String out, err;
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

/** Runs a shell command line in folder: its exit status, its output and its error output. */
inline CliResult runIn(const juce::File& folder, const juce::String& command)
{
    const auto out = folder.getChildFile("command.out"), err = folder.getChildFile("command.err");
    const juce::String line = "cd '" + folder.getFullPathName() + "' && " + command + " >'" + out.getFullPathName() +
                              "' 2>'" + err.getFullPathName() + "'";
    const int status = std::system(line.toRawUTF8());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out.loadFileAsString(), err.loadFileAsString()};
}

/** Whether a program is on the PATH; the tests that need one fail without it rather than skip. */
inline bool hasTool(const char* name)
{
    for (const auto& folder : juce::StringArray::fromTokens(juce::String(std::getenv("PATH")), ":", ""))
        if (juce::File(folder).getChildFile(name).existsAsFile())
            return true;
    return false;
}
