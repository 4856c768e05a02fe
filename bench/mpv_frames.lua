-- Loaded into mpv by playback_bench.sh: prints, as mpv quits, the frames it
-- showed (the frames played up to where it stopped, less those the decoder
-- and the video output dropped), to set beside the player's frames shown.
-- None played prints 0, which the script takes as mpv not having run.
local shown = 0

-- Read before the file goes: its properties go with it.
mp.add_hook("on_unload", 50, function()
    local played = mp.get_property_number("estimated-frame-number")
    if played then
        local drops = mp.get_property_number("frame-drop-count", 0) + mp.get_property_number("decoder-frame-drop-count", 0)
        shown = shown + math.max(0, played + 1 - drops)
    end
end)

mp.register_event("shutdown", function()
    io.write(string.format("%d\n", shown))
end)
