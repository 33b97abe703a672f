#include "resources/ModuleResources.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "resources/EmbeddedFiles.h"

namespace resources {
namespace {

struct ScriptResource {
  int id;
  std::string_view file;
};

// The registry scripts, as the module's resource script lists them.
constexpr ScriptResource kRegistryScripts[] = {
    {103, "PNRCreationFIT.rgs"},          {106, "PNRCreationGIT.rgs"},
    {108, "PNRCreationEmail.rgs"},        {114, "PNRCreationRemarks.rgs"},
    {117, "PNRCreationPersonal.rgs"},     {120, "PNRCreationFax.rgs"},
    {123, "PNRCreationSSR.rgs"},          {126, "PNRRetrieval.rgs"},
    {129, "PNRModificationGIT.rgs"},      {132, "PNRModificationPassenger.rgs"},
    {135, "PNRModificationFax.rgs"},      {138, "PNRModificationReceivedFrom.rgs"},
    {141, "PNRModificationEmail.rgs"},    {144, "PNRModificationRemarks.rgs"},
    {147, "PNRModificationPersonal.rgs"}, {150, "PNRModificationPhone.rgs"},
    {153, "PNRModificationIncrease.rgs"}, {156, "PNRModificationReduce.rgs"},
    {159, "PNRModificationDivide.rgs"},   {162, "PNRModificationAddress.rgs"},
    {165, "PNRModificationTtl.rgs"},      {493, "PNRAddEmail.rgs"},
    {171, "PNRDeleteEmail.rgs"},          {174, "PNRAddPhoneFax.rgs"},
    {177, "PNRModifyGrpName.rgs"},        {855, "CreateAddPax.rgs"},
};

std::optional<std::string_view> findFile(std::span<const EmbeddedFile> files,
                                         std::string_view path) {
  const auto found =
      std::ranges::find_if(files, [&](const EmbeddedFile& file) { return file.path == path; });
  if (found == files.end()) return std::nullopt;
  return found->bytes;
}

// "119.bmp" holds bitmap 119.
std::optional<int> bitmapIdOf(std::string_view path) {
  int id = 0;
  const auto [end, error] = std::from_chars(path.data(), path.data() + path.size(), id);
  if (error != std::errc() || std::string_view(end, path.data() + path.size()) != ".bmp") {
    return std::nullopt;
  }
  return id;
}

}  // namespace

std::optional<std::string_view> findRegistryScript(int id) {
  const auto found = std::ranges::find(kRegistryScripts, id, &ScriptResource::id);
  if (found == std::end(kRegistryScripts)) return std::nullopt;
  return findFile(registry::embeddedFiles(), found->file);
}

std::optional<std::string_view> findBitmap(int id) {
  return findFile(bitmaps::embeddedFiles(), std::to_string(id) + ".bmp");
}

std::vector<int> bitmapIds() {
  std::vector<int> ids;
  for (const EmbeddedFile& file : bitmaps::embeddedFiles()) {
    if (const auto id = bitmapIdOf(file.path)) ids.push_back(*id);
  }
  std::ranges::sort(ids);
  return ids;
}

}  // namespace resources
