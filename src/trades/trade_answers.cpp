#include "trades/trade_answers.h"

#include "base/random.h"
#include "trades/trade_value.h"

namespace {

constexpr int TIER_WIDTH = 250;  // score points a tier spans

const char* const ANSWERS[ANSWER_TIERS][ANSWER_LINES] = {
    {"You call that a 'trade'?", "C'mon, this has gotta be give and take.", "Do I look like Santa Claus?",
     "Is it Christmas already?", "You forgot to put something on your side of the table.",
     "I can't sign a deal with nothing on it.", "Nice try. Now what are you offering?",
     "Did your fax machine cut off half the offer?", "Something for nothing? Not in this league.",
     "I'll need to see something besides your smile.", "My owner would fire me on the spot.",
     "Read it back to me. Slowly. Where's your half?", "That's not an offer, that's a wish list.",
     "Who taught you how to trade?", "Come back when you have something to give.",
     "I don't do charity before the season's over."},
    {"You've got to be kidding! Have you looked at the numbers on this deal?",
     "Gee, I didn't know I had MORON painted on my forehead.", "Are you trying to insult me?",
     "That's ludicrous. Get out of my face!", "I've had better offers from my paper boy.",
     "You must think I was born yesterday.", "Did you lose a bet, or is this a joke?",
     "Not in a million years.", "I'd be laughed out of the owner's box.",
     "Hang up and try again when you're sober.", "That's highway robbery and you know it.",
     "Don't ever call me with a deal like that again.", "Is this a prank call?",
     "You want my team for a bag of peanuts?", "I wouldn't take that deal if you paid me.",
     "Get real."},
    {"My Grandma can put together better deals than that.", "Stop wasting my time.",
     "Call me back when you get a clue.", "C'mon, this has gotta be give and take.",
     "You're not even in the ballpark.", "That one isn't going anywhere.",
     "I've got a team to run. Come back with something serious.", "Nope. Not even close.",
     "You'll have to do a whole lot better than that.", "Have your scouts looked at my roster?",
     "That deal only works for one of us, and it isn't me.", "I don't see what's in it for me.",
     "Keep dreaming.", "Try again, and this time think about my side of it.",
     "Nobody on my staff would sign off on that.", "Pass. Next."},
    {"Add a solid player and you've got a deal.", "If you add a few million, we might have a deal.",
     "Add another player and that deal could fly.", "You might want to try that offer on some other team.",
     "Throw in a draft pick and we'll talk.", "We're getting warmer. Sweeten it a little.",
     "A good backup on top of that and I'm listening.", "Put a pick on the table and it could work.",
     "Make it a starter instead and we have something.", "You're halfway there. Give me a little more.",
     "Some cash on the side would help me sell it to my owner.", "I need one more piece to make it work.",
     "Close, but I need more depth out of it.", "Add a young player with a future and we'll see.",
     "That's a start. Now what else can you do?", "Better. Still not enough, though."},
    {"Maybe next year, if business picks up.", "That's a tempting offer but I think we'll pass.",
     "The best offer I've seen today. But still not good enough.", "Throw in a few million and I might bite.",
     "Almost. Not quite.", "I like it, but my owner won't.", "Sleep on it and call me back with a little extra.",
     "We're close. Really close.", "It's a fair offer, but I'll hold on to what I've got.",
     "Ask me again after the next game.", "I can't quite get there on that one.",
     "Nice offer. I'm going to pass for now.", "Just a touch more and we're done.",
     "You almost had me.", "I'd take it if it were a little sweeter.", "Not today, but keep me in mind."},
    {"A good end to a long day.", "You drive a hard bargain but I'll take it!",
     "Finally... a deal I can sign with a clear conscience.", "I knew we could work this out.",
     "Done deal. Send the papers over.", "Pleasure doing business with you.", "You've got yourself a trade.",
     "Shake on it. We both came out fine.", "That works for me.", "My owner will be happy with that one.",
     "We have a deal!", "I'll have my people call your people.", "Sold!",
     "That's the kind of deal I like to make.", "Deal. Don't change your mind now.", "It's a deal. Welcome aboard."},
};

}  // namespace

int Answer_Tier(int nScore) {
    if (nScore == EMPTY_OFFER_SCORE) return TIER_EMPTY_OFFER;
    if (nScore <= TIER_WIDTH) return TIER_INSULTING;
    if (nScore <= 2 * TIER_WIDTH) return TIER_POOR;
    if (nScore <= 3 * TIER_WIDTH) return TIER_SHORT;
    if (nScore <= ACCEPTED_SCORE) return TIER_CLOSE;
    return TIER_ACCEPTED;
}

int Answer_Line(int nScore) {
    if (nScore == EMPTY_OFFER_SCORE) return Random(ANSWER_LINES);
    // A negative remainder gives line 0.
    return Clamp(0, Ratio(nScore % TIER_WIDTH, ANSWER_LINES, TIER_WIDTH), ANSWER_LINES - 1);
}

const char* Answer_Text(int nTier, int nLine) {
    if (nTier < 0 || nTier >= ANSWER_TIERS || nLine < 0 || nLine >= ANSWER_LINES) return "";
    return ANSWERS[nTier][nLine];
}

const char* Response_Text(int nScore) { return Answer_Text(Answer_Tier(nScore), Answer_Line(nScore)); }

std::string General_Manager_Face(TNUM nTeam) {
    int k = nTeam * 11 % GENERAL_MANAGER_FACES;
    if (k < Current_Season_Index() - FACE_SERVICE_SEASONS) k += GENERAL_MANAGER_FACES;
    return "dialogs/faces/gm" + std::to_string(k) + ".jpg";
}
