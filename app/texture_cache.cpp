#include "app/texture_cache.h"

#include <iostream>

const sf::Texture* TextureCache::texture(const std::string& file) {
  const auto found = loaded_.find(file);
  if (found != loaded_.end()) return found->second.get();
  ++fileReads_;
  auto picture = std::make_unique<sf::Texture>();
  if (!picture->loadFromFile(file)) {
    std::cout << "error!";
    return nullptr;
  }
  return loaded_.emplace(file, std::move(picture)).first->second.get();
}
