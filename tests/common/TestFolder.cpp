#include "TestFolder.h"

#include <cstdlib>
#include <stdexcept>

TestFolder::TestFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "orvanta-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = tmpl;
}

TestFolder::~TestFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}
