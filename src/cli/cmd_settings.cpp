// wallctl settings get|set: read a key as the program reads it, write one
// through the atomic save.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/arg_parse.h"
#include "cli/cli_registry.h"
#include "cli/usage_error.h"

namespace wall::cli {
namespace {

struct SettingsArgs {
  std::string section;
  std::string key;
  std::string value;
  std::optional<std::string> intDefault;
  std::optional<std::string> boolDefault;
  std::optional<std::string> stringDefault;
};

void install(CLI::App& app, CliContext& ctx, int& status) {
  auto args = std::make_shared<SettingsArgs>();
  auto* settings = app.add_subcommand("settings", "Read or write a key of the settings file");
  settings->require_subcommand(1);

  auto* get = settings->add_subcommand("get", "Print a key's value as the program reads it");
  get->add_option("SECTION", args->section)->required();
  get->add_option("KEY", args->key)->required();
  auto* asInt = get->add_option("--int", args->intDefault, "Read as an integer with this default");
  auto* asBool = get->add_option("--bool", args->boolDefault, "Read as a boolean (printed 1 or 0) with this default");
  auto* asString = get->add_option("--string", args->stringDefault, "Read as text with this default");
  asInt->excludes(asBool)->excludes(asString);
  asBool->excludes(asString);
  get->callback([args, &ctx, &status] {
    SettingsFile& file = ctx.settings();
    if (args->intDefault) {
      const auto def = static_cast<std::int32_t>(parseNumber(*args->intDefault, INT32_MIN, INT32_MAX, "--int"));
      std::cout << file.readInt(args->section, args->key, def) << "\n";
    } else if (args->boolDefault) {
      const bool def = parseNumber(*args->boolDefault, INT32_MIN, INT32_MAX, "--bool") != 0;
      std::cout << (file.readBool(args->section, args->key, def) ? 1 : 0) << "\n";
    } else if (args->stringDefault) {
      std::cout << file.readString(args->section, args->key, *args->stringDefault) << "\n";
    } else if (file.hasKey(args->section, args->key)) {
      std::cout << file.readString(args->section, args->key, "") << "\n";
    } else {
      throw CommandFailure("[" + args->section + "] " + args->key + " is not set");
    }
    status = 0;
  });

  auto* set = settings->add_subcommand("set", "Write a key (saved at once by an atomic replace)");
  set->add_option("SECTION", args->section)->required();
  set->add_option("KEY", args->key)->required();
  set->add_option("VALUE", args->value)->required();
  set->callback([args, &ctx, &status] {
    SettingsFile& file = ctx.settings();
    file.writeString(args->section, args->key, args->value);
    if (!file.saveNow() && file.hasUnsavedChanges()) {
      throw CommandFailure("could not save " + file.path());
    }
    status = 0;
  });
}

const CommandRegistrar registrar({"settings", 10, install});

}  // namespace
}  // namespace wall::cli
