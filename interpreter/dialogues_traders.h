#pragma once
// The dialogue stages of the dealer, the tavern, the cheeseburger, the giant
// peanut and the lost ogre.
#include <string>

#include "interpreter/dialogue_talk.h"

std::string dealerOffer(const Talk& t);
std::string dealerHaggle(const Talk& t);
std::string smugPrickTemptation(const Talk& t);
std::string smugPrickChoice(const Talk& t);
std::string peanutApproach(const Talk& t);
std::string peanutTreasure(const Talk& t);
std::string tavernWelcome(const Talk& t);
std::string tavernOrder(const Talk& t);
std::string cheeseburger(const Talk& t);
std::string lostOgre(const Talk& t);
