# fish completion for bootfont(1), the command of BootFont Viewer. Installed as
# share/fish/vendor_completions.d/bootfont.fish.

set -l commands info check export find build patch render diff
# The languages whose code page bootfont knows, each primary language with its first region.
set -l languages 0x804 0x1004 0x404 0xC04 0x1404 0x411 0x412 0x402 0x403 0x405 0x406 0x407 \
    0x408 0x409 0x40A 0x40B 0x40C 0x40E 0x40F 0x410 0x413 0x414 0x415 0x416 0x419 0x41B 0x41D \
    0x41F 0x422 0x423 0x424

# Files with one of the given extensions, in any letter case, and folders.
function __bootfont_files
    set -l token (commandline -ct)
    for item in $token*
        if test -d $item
            echo $item/
        else
            for extension in $argv
                if string match -qi -- "*.$extension" $item
                    echo $item
                    break
                end
            end
        end
    end
end

complete -c bootfont -f
complete -c bootfont -s h -l help -d 'Print the usage and exit'
complete -c bootfont -l version -d 'Print the version and exit'
complete -c bootfont -n "not __fish_seen_subcommand_from $commands" -a info -d 'Show every header field, the tables\' places and the findings'
complete -c bootfont -n "not __fish_seen_subcommand_from $commands" -a check -d 'Report each file\'s findings'
complete -c bootfont -n "not __fish_seen_subcommand_from $commands" -a export -d 'Write the glyphs as a BDF or Unifont .hex font'
complete -c bootfont -n "not __fish_seen_subcommand_from $commands" -a find -d 'Show where characters are in the font'
complete -c bootfont -n "not __fish_seen_subcommand_from $commands" -a build -d 'Make a boot font from bitmap or outline fonts'
complete -c bootfont -n "not __fish_seen_subcommand_from $commands" -a patch -d 'Give glyphs of a boot font new bitmaps, every other byte kept'
complete -c bootfont -n "not __fish_seen_subcommand_from $commands" -a render -d 'Draw glyphs or the boot screen as a PNG image'
complete -c bootfont -n "not __fish_seen_subcommand_from $commands" -a diff -d 'Compare two boot fonts'

# Boot fonts may have any name; not for an output's name.
complete -c bootfont -n "__fish_seen_subcommand_from info check export find render diff; and not __fish_prev_arg_in -o --output" -F
complete -c bootfont -n "__fish_seen_subcommand_from info check diff patch" -l json -d 'Print one JSON object'
complete -c bootfont -n "__fish_seen_subcommand_from info" -l missing -d 'List the characters of the set the font lacks'

complete -c bootfont -n "__fish_seen_subcommand_from export" -s o -l output -x -a '(__bootfont_files bdf hex)' -d 'The font to write'
complete -c bootfont -n "__fish_seen_subcommand_from export" -l format -x -a 'bdf hex' -d 'The format instead of the extension\'s'
complete -c bootfont -n "__fish_seen_subcommand_from export" -l native -d 'BDF keyed by the file\'s own codes'

complete -c bootfont -n "__fish_seen_subcommand_from build" -a '(__bootfont_files bdf pcf pcf.gz fon fnt ttf otf ttc hex bin)'
complete -c bootfont -n "__fish_seen_subcommand_from build" -s o -l output -x -a '(__bootfont_files bin)' -d 'The boot font to write'
complete -c bootfont -n "__fish_seen_subcommand_from build" -l lang -x -a "$languages" -d 'Windows language id'
complete -c bootfont -n "__fish_seen_subcommand_from build" -l codepage -x -a '936 950 932 949' -d 'The code page\'s whole double-byte set'
complete -c bootfont -n "__fish_seen_subcommand_from build" -l sbcs-range -x -d 'Single-byte codes to take, e.g. 0x20-0x7E'
complete -c bootfont -n "__fish_seen_subcommand_from build" -l dbcs-range -x -d 'Double-byte codes to take, e.g. 0xB0A1-0xF7FE'
complete -c bootfont -n "__fish_seen_subcommand_from build" -l top-pad -x -d 'The header\'s top pad'
complete -c bootfont -n "__fish_seen_subcommand_from build" -l bottom-pad -x -d 'The header\'s bottom pad'
complete -c bootfont -n "__fish_seen_subcommand_from build" -l strict -d 'Refuse glyphs that must be centred or cut'
complete -c bootfont -n "__fish_seen_subcommand_from patch" -a '(__bootfont_files bdf pcf pcf.gz fon fnt ttf otf ttc hex bin)'
complete -c bootfont -n "__fish_seen_subcommand_from patch" -s o -l output -x -a '(__bootfont_files bin)' -d 'The patched boot font to write'
complete -c bootfont -n "__fish_seen_subcommand_from patch" -l only -x -d 'Change only the glyphs of these characters'
complete -c bootfont -n "__fish_seen_subcommand_from patch" -l sbcs -d 'Change only the single-byte table'
complete -c bootfont -n "__fish_seen_subcommand_from patch" -l dbcs -d 'Change only the double-byte table'
complete -c bootfont -n "__fish_seen_subcommand_from patch" -l sbcs-range -x -d 'Single-byte codes to change, e.g. 0x41-0x5A'
complete -c bootfont -n "__fish_seen_subcommand_from patch" -l dbcs-range -x -d 'Double-byte codes to change, e.g. 0xB0A1-0xB0FE'
complete -c bootfont -n "__fish_seen_subcommand_from patch" -l dry-run -d 'Report what would change; write nothing'
complete -c bootfont -n "__fish_seen_subcommand_from patch" -l strict -d 'Refuse glyphs that must be centred or cut'

complete -c bootfont -n "__fish_seen_subcommand_from render" -s o -l output -x -a '(__bootfont_files png)' -d 'The PNG file to write'
complete -c bootfont -n "__fish_seen_subcommand_from render" -l sbcs -d 'The viewer\'s single-byte view'
complete -c bootfont -n "__fish_seen_subcommand_from render" -l page -x -d 'The viewer\'s double-byte page N'
complete -c bootfont -n "__fish_seen_subcommand_from render" -l sheet -d 'Every glyph of both tables'
complete -c bootfont -n "__fish_seen_subcommand_from render" -l text -x -d 'A line of text as the boot screen shows it'
complete -c bootfont -n "__fish_seen_subcommand_from render" -l screen -r -d 'The boot screen showing the lines of a text file'
complete -c bootfont -n "__fish_seen_subcommand_from render" -l select -x -d 'With --screen: row N shown chosen'
complete -c bootfont -n "__fish_seen_subcommand_from render diff" -l scale -x -d 'Enlarge by K whole pixels (1 to 16)'

complete -c bootfont -n "__fish_seen_subcommand_from diff" -s o -l output -x -a '(__bootfont_files png)' -d 'A PNG of the changed glyphs'
