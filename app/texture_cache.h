#pragma once
// Pictures are kept once loaded, by file name: the panel asks for about thirty
// of them after every typed line, and reading them from disk each time would
// be wasted work. A picture that fails to load is not kept, so it is tried,
// and reported, each time it is asked for.
#include <SFML/Graphics/Texture.hpp>

#include <map>
#include <memory>
#include <string>

class TextureCache {
 public:
  // The picture in `file`, or nullptr after printing "error!" when it cannot
  // be loaded.
  const sf::Texture* texture(const std::string& file);

  // How many times a file was read, for checks that a quiet frame reads none.
  long fileReads() const { return fileReads_; }

 private:
  std::map<std::string, std::unique_ptr<sf::Texture>> loaded_;
  long fileReads_ = 0;
};
