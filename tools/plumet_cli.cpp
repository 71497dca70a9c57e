// plumet-cli: inspect, create and copy project files without the editor.

#include <juce_events/juce_events.h>

#include <iostream>

#include "describe.h"
#include "model/comic.h"
#include "model/option.h"

namespace
{
constexpr int exitOk = 0;
constexpr int exitLoadFailed = 2;
constexpr int exitSaveFailed = 3;
constexpr int exitUsage = 64;

const char* usage = "usage: plumet-cli info FILE\n"
                    "       plumet-cli new OUT [--title T] [--author A] [--format 1-6] [--rotate]\n"
                    "       plumet-cli copy IN OUT\n"
                    "\n"
                    "  info   print the load result and the file's contents as JSON\n"
                    "  new    write a new, empty comic\n"
                    "  copy   load a project file and save it under another path\n"
                    "\n"
                    "exit status: 0 success, 2 the file could not be loaded, 3 it could not be saved,\n"
                    "64 wrong usage\n";

int usageError(const juce::String& why)
{
    std::cerr << "plumet-cli: " << why << "\n" << usage;
    return exitUsage;
}

const char* reasonFor(int result)
{
    switch (result)
    {
        case PLoadResult::outOfMemory: return "out of memory or no file name";
        case PLoadResult::damaged: return "not a project file of this kind, damaged or missing";
        case PLoadResult::newerOrIncomplete: return "written by a newer version, or its data is incomplete";
        default: return "unknown result";
    }
}

int loadFailed(const juce::String& path, int result)
{
    std::cerr << "plumet-cli: cannot load " << path << ": result " << result << " (" << reasonFor(result) << ")\n";
    return exitLoadFailed;
}

/** The project held in a file: a comic, or the options file. */
struct Loaded
{
    std::unique_ptr<PProject> project;
    int result = PLoadResult::damaged;
};

Loaded loadProject(const juce::String& path)
{
    Loaded loaded;
    auto comic = std::make_unique<PComic>();
    loaded.result = comic->load(path);
    if (loaded.result != PLoadResult::damaged)
    {
        loaded.project = std::move(comic);
        return loaded;
    }
    auto options = std::make_unique<POption>();
    const int asOptions = options->load(path);
    if (asOptions != PLoadResult::damaged)
    {
        loaded.result = asOptions;
        loaded.project = std::move(options);
    }
    return loaded;
}

int info(const juce::StringArray& args)
{
    if (args.size() != 1)
        return usageError("info takes one file");
    const auto loaded = loadProject(args[0]);
    std::cout << "{\"result\": " << loaded.result;
    if (loaded.result != PLoadResult::ok)
    {
        std::cout << "}\n";
        return loadFailed(args[0], loaded.result);
    }
    auto* comic = dynamic_cast<PComic*>(loaded.project.get());
    const auto contents = comic != nullptr ? describe::comic(*comic)
                                           : describe::options(*static_cast<POption*>(loaded.project.get()));
    std::cout << ", \"" << (comic != nullptr ? "comic" : "options") << "\": " << juce::JSON::toString(contents)
              << "}\n";
    return exitOk;
}

bool takeValue(const juce::StringArray& args, int& i, juce::String& value)
{
    if (i + 1 >= args.size())
        return false;
    value = args[++i];
    return true;
}

int newComic(const juce::StringArray& args)
{
    if (args.isEmpty())
        return usageError("new needs an output file");
    PComic comic;
    comic.path = juce::File::getCurrentWorkingDirectory().getChildFile(args[0]).getFullPathName();
    comic.modified = true;
    comic.format = PPageFormat::a4;
    for (int i = 1; i < args.size(); ++i)
    {
        juce::String value;
        if (args[i] == "--rotate")
            comic.flags |= PComic::rotated;
        else if (args[i] == "--title" && takeValue(args, i, value))
            comic.name.assign(value);
        else if (args[i] == "--author" && takeValue(args, i, value))
            comic.author.assign(value);
        else if (args[i] == "--format" && takeValue(args, i, value) && value.containsOnly("0123456789")
                 && value.getIntValue() >= PPageFormat::a4 && value.getIntValue() <= PPageFormat::customIn)
            comic.format = (uint16_t) value.getIntValue();
        else
            return usageError("unknown or incomplete option " + args[i]);
    }
    comic.applyPageFormat();
    if (! comic.save())
    {
        std::cerr << "plumet-cli: cannot save " << comic.path << "\n";
        return exitSaveFailed;
    }
    return exitOk;
}

int copy(const juce::StringArray& args)
{
    if (args.size() != 2)
        return usageError("copy takes an input and an output file");
    auto loaded = loadProject(args[0]);
    if (loaded.result != PLoadResult::ok)
        return loadFailed(args[0], loaded.result);
    loaded.project->path = juce::File::getCurrentWorkingDirectory().getChildFile(args[1]).getFullPathName();
    if (! loaded.project->save())
    {
        std::cerr << "plumet-cli: cannot save " << loaded.project->path << "\n";
        return exitSaveFailed;
    }
    return exitOk;
}
} // namespace

int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add(juce::String::fromUTF8(argv[i]));
    if (args.isEmpty())
        return usageError("no command given");
    const auto command = args[0];
    args.remove(0);
    if (command == "--help" || command == "-h" || command == "help")
    {
        std::cout << usage;
        return exitOk;
    }
    if (command == "info")
        return info(args);
    if (command == "new")
        return newComic(args);
    if (command == "copy")
        return copy(args);
    return usageError("unknown command " + command);
}
