// The counter-offer the trade page asks for: the partner adds players of the
// user's team, drawn by how much more it wants them than the user needs
// them, until it would accept. It never asks for two players of one position.
#pragma once
#include "trades/team_needs.h"
#include "trades/trade_offer.h"

// How much nOther (needs theirs) wants each of the owner's 80 slots over the
// owner's own need (needs ours); 0 where the owner's need is pressing. With
// bByValue a player's own standing adds 10 x root of his current value.
void Slot_Desires(TNUM nOwner, TNUM nOther, const TeamNeeds& ours, const TeamNeeds& theirs, bool bByValue,
                  int anDesire[PLAYERS_PER_TEAM]);

// One addition to side nSide, drawn by the desires: up to 10 draws; a slot
// already offered draws again, a position already offered has its desire
// cleared and draws again. The player is kept only when pIsLegal accepts the
// offer, else his desire is cleared. True when a player was added.
typedef bool (*OfferCheck)(const TRADE_OFFER& offer);
bool Add_Desired_Player(TRADE_OFFER* pOffer, int nSide, int anDesire[PLAYERS_PER_TEAM], OfferCheck pIsLegal);

// Fills side 0 until side 1's team would accept. On success the partner
// becomes the last trade partner; on failure "I can't make a suitable trade
// out of that." (titled "Nope") is shown and the offer is left as it came.
bool Make_Counter_Offer(TRADE_OFFER* pOffer, OfferCheck pIsLegal);
