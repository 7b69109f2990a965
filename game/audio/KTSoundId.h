#ifndef GAME_AUDIO_KTSOUNDID_H
#define GAME_AUDIO_KTSOUNDID_H

// The sound-effect ids that callers hand to the sound bank. Two pairs of ids
// share a file: {119, 120} and {147, 148}.
namespace KTSoundId {

const int sound = 110;
const int PlayerJump = 111;
const int PlayerLand = 112;
const int PlayerFireBlueMissile = 113;
const int PlayerFireRedMissile = 114;
const int PlayerFireDestroyMissile = 115;
const int PlayerNoAmmo = 116;
const int PlayerPain = 117;
const int PlayerDeath = 118;
const int ZealotSight = 119;
const int ZealotSightAgain = 120;
const int ZealotActive = 121;
const int ZealotPrep = 122;
const int ZealotCharge = 123;
const int ZealotRecover = 124;
const int ZealotHit = 125;
const int ZealotHitBlock = 126;
const int ZealotHitWall = 127;
const int ZealotPain = 128;
const int ZealotDeath = 129;
const int AnubisSight = 130;
const int AnubisActive = 131;
const int AnubisShot = 132;
const int AnubisPain = 133;
const int AnubisDeath = 134;
const int CreeperSight = 135;
const int CreeperActive = 136;
const int CreeperPain = 137;
const int CreeperSuicide = 138;
const int CreeperDeath = 139;
const int BlueBlockHit = 140;
const int RedBlockHit = 141;
const int DestroyHit = 142;
const int BlockCreate = 143;
const int BlockDestroy = 144;
const int BlockExplode = 145;
const int ItemUp = 146;
const int ElevatorUp = 147;
const int ElevatorUpAgain = 148;
const int PetHappyHop = 149;
const int PetSmallJump = 150;
const int PetJump = 151;
const int BlobHappyHop = 152;
const int BlobSmallJump = 153;
const int BlobJump = 154;
const int BlobMelee = 155;
const int BlobDeath = 156;
const int Exit = 157;
const int ColossusSight = 158;
const int ColossusActive = 159;
const int ColossusAttackStart = 160;
const int ColossusAttackFire = 161;
const int ColossusLaserFly = 162;
const int ColossusAttackMelee = 163;
const int ColossusAttackCrush = 164;
const int ColossusAttackSwing = 165;
const int ColossusPain = 166;
const int ColossusDeath = 167;
const int BlockAcidTouch = 168;
const int ReaperSight = 169;
const int ReaperActive = 170;
const int ReaperAttackMissile = 171;
const int ReaperAttackMissileHit = 172;
const int ReaperAttackMelee = 173;
const int ReaperAttackMeleeHit = 174;
const int ReaperPain = 175;
const int ReaperDeath = 176;
const int BlockAcidSpray = 177;
const int BlockCorrode = 178;
const int AcidFragmentHit = 179;

const int First = 110;
const int Last = 179;

} // namespace KTSoundId

#endif
