#include "game/ui/KTStatusLayout.h"

#include <algorithm>
#include <cmath>

#include "game/level/KTLevelScene.h"
#include "game/objects/KTMainCharacter.h"
#include "game/start/KTAssets.h"
#include "game/ui/YNMenuPage.h"

namespace {

const float DigitWidth = 0.05f;
const float DigitHeight = 0.1f;
const float CounterLeft = 0.85f;
const float HeartCentreX = -0.8f;
const float HeartCentreY = 0.8f;
// Half-size 0.1 by 0.1333333: square on the 800 by 600 window.
const float HeartHalfWidth = 0.1f;
const float HeartHalfHeight = 0.1333333f;
const float HeartPulseWidth = 0.01f;
const float HeartPulseHeight = 0.013333334f;

const VXVec4 White(1.0f, 1.0f, 1.0f, 1.0f);

VXVec4 corner(float x, float y)
{
    return VXVec4(x, y, 0.0f, 1.0f);
}

VXTexture* digitImage(int digit)
{
    return assets().digits[digit];
}

} // namespace

KTStatusLayout::KTStatusLayout()
    : heartPhase(0.0f),
      heartSpeed(0.05f),
      heartAmplitude(0.5f),
      heartColour(1.0f, 1.0f, 1.0f, 1.0f),
      scene(nullptr)
{
}

void KTStatusLayout::initialize(KTLevelScene* owner)
{
    heartPhase = 0.0f;
    heartSpeed = 0.05f;
    scene = owner;
    heartColour = White;
    heartAmplitude = 0.5f;

    rects[HighlightRect].setImage(assets().highlight, White);
    rects[HighlightRect].setCorners(corner(-1.0f, -1.0f), corner(1.0f, 1.0f));

    struct Counter {
        int firstRect;
        float bottom;
        VXVec4 colour;
    };
    const Counter counters[] = {
        {GreyCounterRect, 0.9f, VXVec4(0.0f, 0.0f, 1.0f, 1.0f)},
        {DestroyCounterRect, 0.8f, VXVec4(0.5f, 0.5f, 0.5f, 1.0f)},
        {RedCounterRect, 0.7f, VXVec4(1.0f, 0.5f, 0.0f, 1.0f)},
    };
    for (const Counter& counter : counters) {
        for (int k = 0; k < CounterDigits; ++k) {
            VXScreenRect& rect = rects[counter.firstRect + k];
            rect.setImage(digitImage(0), counter.colour);
            rect.setCorners(corner(CounterLeft + DigitWidth * k, counter.bottom),
                            corner(CounterLeft + DigitWidth * (k + 1), counter.bottom + DigitHeight));
        }
    }
}

void KTStatusLayout::draw(const VXShaderProgram& program)
{
    if (scene == nullptr) {
        return;
    }
    if (scene->menuMode) {
        drawMenu(program);
    } else {
        drawPlay(program);
    }
}

void KTStatusLayout::drawMenu(const VXShaderProgram& program)
{
    const int page = scene->menuPage;
    VXScreenRect& image = rects[MenuPageRect];
    image.setImage(page >= 0 && page < YNMenuPage::PageCount ? assets().menuPages[page] : nullptr, White);
    image.setCorners(corner(-1.0f, -1.0f), corner(1.0f, 1.0f));
    image.draw(program);

    VXScreenRect& highlight = rects[HighlightRect];
    highlight.setCorners(scene->highlightFirst, scene->highlightSecond);
    if (page != YNMenuPage::TitlePage) {
        highlight.draw(program);
    }
}

void KTStatusLayout::drawPlay(const VXShaderProgram& program)
{
    const KTMainCharacter* player = scene->player;
    if (player != nullptr) {
        updateHeart(player->health);
        rects[HeartRect].draw(program);
        setCounter(GreyCounterRect, player->greyAmmo);
        setCounter(DestroyCounterRect, player->destroyAmmo);
        setCounter(RedCounterRect, player->redAmmo);
        for (int i = GreyCounterRect; i < MenuPageRect; ++i) {
            rects[i].draw(program);
        }
    }
    for (KTStatusFlash& flash : flashes) {
        flash.drawFrame(program);
    }
}

void KTStatusLayout::updateHeart(int health)
{
    // The heart beats faster and harder as health falls.
    const float f = health / static_cast<float>(KTMainCharacter::StartHealth);
    heartSpeed = 0.25f * (1.0f - f) + 0.05f * f;
    heartPhase += heartSpeed;
    heartAmplitude = 4.0f * (1.0f - f) + 0.5f * f;
    const float w = heartAmplitude * std::sin(heartPhase);
    const float halfWidth = HeartHalfWidth + HeartPulseWidth * w;
    const float halfHeight = HeartHalfHeight + HeartPulseHeight * w;

    // Red at no health, white at full.
    VXVec4 red(1.0f, 0.0f, 0.0f, 1.0f);
    VXVec4 white(1.0f, 1.0f, 1.0f, 0.5f);
    red *= 1.0f - f;
    white *= f;
    heartColour = red + white;
    heartColour.w() = 1.0f;

    const int image = std::clamp(health - 1, 0, KT_HEART_COUNT - 1);
    VXScreenRect& heart = rects[HeartRect];
    heart.setImage(assets().hearts[image], White);
    heart.setCorners(corner(HeartCentreX - halfWidth, HeartCentreY - halfHeight),
                     corner(HeartCentreX + halfWidth, HeartCentreY + halfHeight));
    heart.colour = heartColour;
}

void KTStatusLayout::setCounter(int firstRect, int value)
{
    value = std::clamp(value, 0, 999);
    const int digits[CounterDigits] = {value / 100, (value % 100) / 10, value % 10};
    for (int k = 0; k < CounterDigits; ++k) {
        rects[firstRect + k].texture = digitImage(digits[k]);
    }
}
