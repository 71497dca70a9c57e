#pragma once

// Runs plumet-cli and the other command-line tools as a user would, for the tests that check
// what they write or what they make of our files.

#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

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

/** A PDF file that qpdf finds sound and that poppler draws without a word (poppler repairs a
    broken cross-reference table quietly but for a message); the tools work in scratch. */
inline testing::AssertionResult isSoundPdf(const juce::File& scratch, const juce::File& pdf)
{
    const auto check = runIn(scratch, "qpdf --check '" + pdf.getFullPathName() + "'");
    if (check.status != 0)
        return testing::AssertionFailure() << "qpdf: " << check.out << check.err;
    const auto render = runIn(scratch, "pdftoppm -r 20 -png '" + pdf.getFullPathName() + "' drawn");
    if (render.status != 0 || render.err.isNotEmpty())
        return testing::AssertionFailure() << "pdftoppm: " << render.err;
    return testing::AssertionSuccess();
}

/** An XML file that xmllint reads, and checks against a DTD when one is named. */
inline testing::AssertionResult isValidXml(const juce::File& scratch, const juce::File& xml,
                                           const juce::String& dtd = {})
{
    const auto valid = runIn(scratch, "xmllint --noout --nonet " + (dtd.isEmpty() ? "" : "--dtdvalid " + dtd) + " '" +
                                          xml.getFullPathName() + "'");
    if (valid.status != 0 || valid.err.isNotEmpty())
        return testing::AssertionFailure() << "xmllint: " << valid.err;
    return testing::AssertionSuccess();
}
