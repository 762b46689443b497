// Pack Three's file names in table order, as the installer's tests and stand-in packs use them.

extern const char* const kThreeNames[31];

const char* const kThreeNames[31] = {
    "scoring.puz", "dim.puz",      "down.puz",   "haley.puz",  "hard.puz",    "hermit.puz",
    "hilo.puz",    "jewels.puz",   "knots.puz",  "meat.puz",   "message.puz", "neapolit.puz",
    "no.puz",      "potato.puz",   "races.puz",  "rack.puz",   "ratatat.puz", "salad.puz",
    "to.puz",      "shoulder.puz", "simian.puz", "sounds.puz", "spell.puz",   "splat.puz",
    "start.puz",   "stooped.puz",  "stuck.puz",  "suit.puz",   "suit2.puz",   "terr.puz",
    "thievery.puz"};
