#pragma once
// The two status lines beside the panel: the hero's and the enemy's, each a
// head, a colon and the hit points. Long heads are shortened to fit the box.
#include <string>

std::string playerStatusLine(const std::string& name, const std::string& quibblent, int hp, int maxHp);
std::string enemyStatusLine(const std::string& type, const std::string& quibblent, int hp, int maxHp);
