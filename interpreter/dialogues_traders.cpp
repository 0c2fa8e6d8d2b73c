#include "interpreter/dialogues_traders.h"

#include "world/random_source.h"

namespace {

const char* const kDealerOffer = "'So here's the deal: Ya see, I'm currently suffering under a \n"
                                 "serious greenback deficit, if you catch my drift. And I just \n"
                                 "so happen to be in possession of this very rare and valuable \n"
                                 "SPECIAL POTION. In situations like this, it seems like a \n"
                                 "mutually beneficial trade is in order, huh? Let's say... 250 \n"
                                 "gold, and the SPECIAL POTION is yours. Deal?'";

constexpr int kGrogPrice = 15;

bool peanutAllergyCured(const PlayerRecord& player) { return player.curedDiseases[28]; }

}  // namespace

std::string dealerOffer(const Talk& t) {
  t.occupant().visitState = 250;
  t.occupant().stateCode = 6;
  if (t.player.playerClass == "CONVICT") return t.next(53, kDealerOffer);
  return t.next(6, std::string(kDealerOffer) + " (Y/N)");
}

std::string dealerHaggle(const Talk& t) {
  int& price = t.occupant().visitState;
  if (t.yes()) {
    // Mended: a full SPECIAL POTION stack is refused like a full pack, so the
    // gold never goes for a potion that cannot be carried.
    if (t.player.inventoryFull() || !t.player.hasRoomFor("SPECIAL POTION"))
      return t.end("'Whoa there, friend. You're carryin' a lot of stuff already, \n"
                   "there, see? I don't want my SPECIAL POTION to get scared; \n"
                   "she's shy, y'know. Why don'tcha drop somethin' and come back?'");
    if (t.player.gold == 0)
      return t.end("'WHOA there, friend! Not a penny on you, huh? Look, this \n"
                   "ain't a charity I'm runnin' here. Come back when you've got \n"
                   "some of the good stuff, yeah?'");
    if (t.player.gold < price) {
      const std::string asked = std::to_string(price);
      price = t.player.gold;
      return "'Whoa there, friend. Looks like you're not doin' so hot on \n"
             "the money front either, huh? Hey, that's alright. I'm a nice \n"
             "guy, so I'll be generous. Instead of " +
             asked +
             " gold, I'll just \n"
             "take all you've got on you. Deal?' (Y/N)";
    }
    t.player.gold -= price;
    t.player.gainItem("SPECIAL POTION", 1);
    t.emptyTile(" is nothing but the wind.");
    return t.end("The ROGUISHLY HANDSOME FELLOW grins widely. 'Pleasure doin' \n"
                 "business witcha. Here you go, heh heh heh...' \n"
                 "You got a SPECIAL POTION! You have " +
                 std::to_string(t.player.gold) +
                 " gold left. \n"
                 "The ROGUISHLY HANDSOME FELLOW skips off, counting his money.");
  }
  if (t.no()) {
    if (price == 250) {
      price = 150;
      return "'What? You don't want my SPECIAL POTION? Well, frankly, I'm \n"
             "insulted. Maybe even a little bit traumatized. I suppose \n"
             "I could lower the price... Fine, you've convinced me. You're \n"
             "a tough haggler, but fair. \n"
             "150 gold for the SPECIAL POTION, deal?' (Y/N)";
    }
    if (price >= 150 && price <= 249) {
      price = 100;
      return "'100 gold. Final offer. Deal?' (Y/N)";
    }
    return t.end("'Alright, alright, I get it. If you don't want to enjoy the \n"
                 "incredible benefits of my SPECIAL POTION, I guess I'll just \n"
                 "keep it all to myself. Your loss! But say, if you change \n"
                 "your mind, I'll just be waiting here for a little bit...'");
  }
  return "'Cat got your tongue, eh? I don't blame you - this offer is \n"
         "just so damn generous, even I would find myself speechless \n"
         "over it. Let's try that one more time... my SPECIAL POTION \n"
         "for a measly " +
         std::to_string(price) + " gold. Deal?' (Y/N)";
}

std::string smugPrickTemptation(const Talk& t) {
  return t.next(54, "You like the sound of that SPECIAL POTION, but staring at \n"
                    "that stupid prick's smug grin is making you angry. You bet \n"
                    "you could beat him up. \n"
                    "Do you want to beat up the SMUG PRICK? (Y/N)");
}

std::string smugPrickChoice(const Talk& t) {
  if (t.yes()) {
    const auto at = static_cast<std::size_t>(t.tile());
    t.floorRecord.tileKinds[at] = "Mon";
    t.floorRecord.tileCreatures[at] = Creature("POISONOUS", "OPPORTUNIST", t.floorRecord.floorNumber);
    return t.next(40, "You lift your fist, preparing to strike. To your surprise, \n"
                      "the SMUG PRICK leaps deftly out of the way, pulling out a \n"
                      "green-tinted knife before you even have a chance to do \n"
                      "anything! This won't be as easy as you thought... \n"
                      "[TYPE ANYTHING TO CONTINUE]");
  }
  if (t.no()) {
    t.emptyTile(" is nothing but the wind.");
    std::string reply = "You walk away without saying anything. 'Your loss, friend! \n"
                        "Heh heh heh heh...' ";
    if (t.player.gold <= 0) {
      reply += "By the time you turn around again, the \n"
               "SMUG PRICK is already gone. Dammit. Shoulda beaten him up \n"
               "when you had the chance.";
    } else {
      // He never takes more than the hero carries.
      t.state.auxCounter = std::min(static_cast<int>(dice::below(26)) + 25, t.player.gold);
      t.player.gold -= t.state.auxCounter;
      reply += "You feel a lightness in your pockets - \n"
               "by the time you turn around again, the SMUG PRICK is already \n"
               "gone. Dammit. Shoulda beaten him up when you had the chance.";
    }
    return t.end(reply);
  }
  return "'Mulling over my great deal, huh? Take your time! I'll even \n"
         "help you count out the 250 gold, if that big ol' number's \n"
         "giving ya trouble. What do you say?' \n"
         "Beat up the SMUG PRICK? (Y/N)";
}

std::string peanutApproach(const Talk& t) {
  if (peanutAllergyCured(t.player))
    return t.next(56,
                  "You approach the peanut gingerly, body and mind clear. You \n"
                  "cannot believe this is really happening. All the pain, all \n"
                  "the suffering, every second of it worth it for this moment \n"
                  "of unbelievable ecstasy. You touch the peanut lightly, \n"
                  "reverently, with one hand... then break the thing over your \n"
                  "knee to get the TREASURE inside! [TYPE ANYTHING TO CONTINUE]");
  return t.next(56,
                "You approach the peanut gingerly, feeling your eyes get red \n"
                "and raw with sheer admiration. Wait. That's not admiration, \n"
                "it's- NO! Your PEANUT ALLERGY is acting up! What a sick \n"
                "joke, a cruel twist of the knife, for fate to bring you so \n"
                "close to absolute perfection, yet leave you unable in the \n"
                "end to touch it! [TYPE ANYTHING TO CONTINUE]");
}

std::string peanutTreasure(const Talk& t) {
  t.state.dialogueStage = 0;
  if (!peanutAllergyCured(t.player))
    return "You spend the next three hours sobbing pathetically on the \n"
           "ground at the unfairness of it all. All the monsters think \n"
           "it's really sad.";
  t.emptyTile(" lies a looted GIANT PEANUT.");
  std::string reply = "You look inside the GIANT PEANUT...\n";
  const int found = static_cast<int>(dice::below(20)) + 100;
  t.player.gold += found;
  reply += std::to_string(found) + " gold!! ";
  const int floorNumber = t.floorRecord.floorNumber;
  for (int pass = 0; pass < 3; ++pass) {
    ItemRecord& loot = t.state.offeredItem;
    loot = ItemRecord("Small", floorNumber);
    loot.quantity = static_cast<int>(dice::below(3)) + 4;
    loot.rollConsumable(false, t.player.inventoryNames, t.player.inventoryCounts, t.state.potionsForSale);
    if (!holdsName(t.player, loot.type) && t.player.inventoryFull()) continue;
    t.player.gainItem(loot.type, loot.quantity);
    if (loot.type == "POTION") t.state.potionsForSale -= 1;
    reply += std::to_string(loot.quantity) + " " + loot.type + "! ";
  }
  ItemRecord& gear = t.state.offeredItem;
  if (dice::below(2) == 1 && floorNumber >= 4) {
    gear = ItemRecord("Armor", floorNumber + 2);
    t.state.pendingPrompt = 5;
    reply += "\n"
             "And a " +
             gear.name + "!! (DEF: " + std::to_string(gear.defence) +
             ")\n"
             "Would you like to replace your current armor, the \n" +
             t.player.equipment[1].name + ", with it? (Y/N)";
  } else {
    gear = ItemRecord("Weapon", floorNumber + 2);
    t.state.pendingPrompt = 4;
    reply += "\n"
             "And a " +
             gear.name + "!! (ATK: " + std::to_string(gear.attack) +
             ")\n"
             "Would you like to replace your current weapon, the \n" +
             t.player.equipment[0].name + ", with it? (Y/N)";
  }
  return reply;
}

std::string tavernWelcome(const Talk& t) {
  t.occupant().stateCode = 58;
  t.occupant().visitState = 1;
  return t.next(58, "'Eah, 'ello. Y'wan' s'm work don' on y' teeths? O' 'ow 'bou \n"
                    "a p'nch o' s'm nice GROG? 't's jus' FI'TEEN GOL' fo' one \n"
                    "'int.' The man's bizarre accent is so thick, you can barely \n"
                    "make out a word he's saying. You're about 70% sure you can \n"
                    "buy GROG here for 15 gold, but who knows, really. \n"
                    "Do you want to ask for some GROG? (Y/N)");
}

std::string tavernOrder(const Talk& t) {
  if (t.yes()) {
    if (t.player.gold < kGrogPrice)
      return t.end("'Mmm, ah c'nna' gi'e y'this. Y'don' 'ave 'nuff gol's. \n"
                   "Kill s'mth'n an' com' 'ack.'");
    // Mended: a full GROG stack is refused like a full pack, before the gold
    // changes hands, so no coin goes for a glass that cannot be carried.
    if (!t.player.hasRoomFor("GROG"))
      return t.end("'Mmm, ah c'nna' gi'e y'this. Inv'nt'ry's f'll. Dro' s'mth'n \n"
                   "an' com' 'ack.'");
    t.player.gold -= kGrogPrice;
    t.player.gainItem("GROG", 1);
    return t.end("'A'igh', 'eah.' You got GROG! \n"
                 "You step out quickly before he starts trying to upsell you \n"
                 "dental work. Oddly, he doesn't seem bothered that you've \n"
                 "taken the glass with you too.");
  }
  if (t.no())
    return t.end("You shake your head, then quickly get out of the smelly \n"
                 "establishment before he starts asking if you need a cavity \n"
                 "filled. What a strange place.");
  return "'Eh, wha'? Ah c'nna un'a'stan y'accent. Y'wan' GROG o' no'?' \n"
         "Do you want to buy GROG for 15 gold? (Y/N)";
}

std::string cheeseburger(const Talk& t) {
  if (t.yes()) {
    t.emptyTile(" was once a BURGER, but now there is nothing.");
    t.state.dialogueStage = 0;
    return "After dusting off the CHEESEBURGER, you gluttonously consume \n"
           "the entire thing. It is unbelievably FATTENING! \n" +
           t.player.changeQuibblent("VOLUMINOUS", t.state, false);
  }
  if (t.no())
    return t.end("Yeah, that's probably the answer I'd choose too, honestly. \n"
                 "That thing is covered in nasty dungeon germs.");
  return "The CHEESEBURGER glistens. Would you like to EAT it? (Y/N)";
}

std::string lostOgre(const Talk& t) {
  TileOccupant& ogre = t.occupant();
  if (ogre.visitState != 1) {
    ogre.visitState = 1;
    return t.end("The LOST OGRE apologizes for the inconvenience, but wonders \n"
                 "if you wouldn't mind clearing the floor so it can get back \n"
                 "to its day job of mindless slaughter. Also, uh, don't tell \n"
                 "any of the other OGRES it asked for help from an adventurer, \n"
                 "it says. It would be so embarrassing.");
  }
  const auto at = static_cast<std::size_t>(t.tile());
  t.state.dialogueStage = 0;
  t.state.pendingPrompt = 6;
  t.floorRecord.tileKinds[at] = "Fount";
  t.floorRecord.tileOffers[at] = QuibblentOffer();
  t.floorRecord.tileOffers[at].word = "ELITE";
  t.floorRecord.tileOffers[at].timesUsed = 1;
  t.floorRecord.tileTexts[at] = " is a mythical FOUNTAIN OF ELITE!";
  t.state.currentOffer = t.floorRecord.tileOffers[at];
  return "You approach the FOUNTAIN OF " + t.state.currentOffer.word +
         ". Its powerful \n"
         "aura is nearly overwhelming, but also somehow calming. \n"
         "You can dip your ARMOR, your WEAPON, or your SELF \n"
         "into the fountain.";
}
