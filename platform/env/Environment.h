#pragma once
// Everything a program needs from outside, built once in main.cpp (or once per
// test) and handed to the program's forms and modules. Nothing here is global:
// a test builds a fresh environment with scripted services.

namespace runtime { struct Program; class Clock; class SingleInstance; }
namespace settings { class Store; class Registry; }
namespace files { class FileSystem; }
namespace shell { class Shell; }
namespace forms { class Interaction; class Dispatcher; class Desktop; }
namespace cad { class HostRegistry; }

namespace env {

struct Environment {
    runtime::Program* program = nullptr;
    runtime::Clock* clock = nullptr;
    settings::Store* settings = nullptr;
    settings::Registry* registry = nullptr;
    files::FileSystem* files = nullptr;
    shell::Shell* shell = nullptr;
    forms::Interaction* ui = nullptr;
    forms::Dispatcher* dispatcher = nullptr;
    forms::Desktop* desktop = nullptr;
    cad::HostRegistry* hosts = nullptr;
    // Whether another copy of the program runs (for programs that allow one).
    runtime::SingleInstance* instances = nullptr;
};

}  // namespace env
