// quillan-dataservice: the data service on its own, for a deployment that serves many programs.
#include <pthread.h>

#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>
#include <thread>

#include "calendar/Date.h"
#include "common/Version.h"
#include "service/BundledData.h"
#include "service/DataServiceServer.h"
#include "service/SitePages.h"

namespace {

constexpr int kExitBadConfig = 2;
constexpr int kExitCannotServe = 1;

}  // namespace

int main(int argc, char** argv) {
  using quillan::service::ServiceConfig;
  CLI::App app{
      "quillan-dataservice: the Quillan data service. Answers the character, 81-number and three-talents\n"
      "lookups of the program over HTTP from a read-only SQLite database, and serves the content pages.",
      "quillan-dataservice"};
  app.set_version_flag("--version", "quillan-dataservice " + std::string(quillan::common::programVersion()));
  app.config_formatter(std::make_shared<CLI::ConfigINI>());
  app.set_config("--config", "", "Read these options from an INI file (lines such as: key = a,b,c,...)");

  ServiceConfig config;
  config.host = "127.0.0.1";
  config.port = 8080;
  std::string listen = "127.0.0.1:8080";
  // Empty: the data installed beside the program. Not shown as a path, so that the help text (and
  // the man page made from it) is the same wherever the program lies.
  std::string database;
  std::string content;
  std::size_t maxConnections = config.limits.maxConnections;
  app.add_option("--listen", listen, "HOST:PORT to listen on; port 0 picks a free one and prints it")
      ->capture_default_str();
  app.add_option("--db", database,
                 "The SQLite database built from data/, opened read-only\n"
                 "(default: <prefix>/share/quillan/quillan.sqlite beside the program's bin/)");
  app.add_option("--base-path", config.basePath,
                 "Directory part of the service's address: serves <base>Velmora.asp and <base>tovka/...")
      ->capture_default_str();
  std::vector<std::string> keyLetters;  // an INI value splits at ",", so the letters are joined again
  app.add_option("--key", keyLetters,
                 "The substitution key shared with the clients: 11 distinct lowercase letters joined by \",\"\n"
                 "(the letters for the digits 1-9, 0 and for \":\"). Required.")
      ->delimiter(',');
  app.add_option("--content-dir", content,
                 "Directory of the pages served under <base>tovka/\n"
                 "(default: <prefix>/share/quillan/content beside the program's bin/)");
  app.add_option("--max-connections", maxConnections, "Connections served at once")->capture_default_str();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? 0 : kExitBadConfig;
  }
  const auto address = quillan::service::parseListenAddress(listen);
  if (!address) {
    std::cerr << "quillan-dataservice: --listen wants HOST:PORT, not \"" << listen << "\"\n";
    return kExitBadConfig;
  }
  config.host = address->first;
  config.port = address->second;
  config.databasePath = database.empty() ? quillan::service::bundledDatabasePath() : std::filesystem::path(database);
  config.contentDirectory =
      content.empty() ? quillan::service::bundledContentDirectory() : std::filesystem::path(content);
  config.limits.maxConnections = maxConnections;
  config.keyText = CLI::detail::join(keyLetters, ",");
  if (const auto problem = quillan::service::configProblem(config); !problem.empty()) {
    std::cerr << "quillan-dataservice: cannot start: " << problem << "\n";
    return kExitBadConfig;
  }

  // SIGINT and SIGTERM go to one waiting thread that stops the server; every other thread,
  // started after this, has them blocked.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  try {
    quillan::service::DataServiceServer server(config);
    // The pages made from the dictionary and the calendar, and the articles rendered from their sources.
    const auto site =
        quillan::service::contentSiteFor(config.contentDirectory, config.databasePath, quillan::calendar::chinaToday);
    for (auto& [path, generator] : quillan::service::contentPageGenerators(site)) {
      server.contentPages().addGenerator(path, std::move(generator));
    }
    server.bind();
    std::cout << "quillan-dataservice: serving " << server.baseAddress() << " (port " << server.port() << ")"
              << std::endl;
    std::thread signalWaiter([&server, &signals] {
      int received = 0;
      sigwait(&signals, &received);
      server.stop();
    });
    const bool served = server.run();
    pthread_kill(signalWaiter.native_handle(), SIGTERM);  // ends the wait when run ended otherwise
    signalWaiter.join();
    if (!served) {
      std::cerr << "quillan-dataservice: could not serve on " << listen << "\n";
      return kExitCannotServe;
    }
    std::cout << "quillan-dataservice: stopped" << std::endl;
  } catch (const std::exception& error) {
    std::cerr << "quillan-dataservice: cannot start: " << error.what() << "\n";
    return kExitCannotServe;
  }
  return 0;
}
