#!/usr/bin/perl
# The short script a user might write instead of Tremaro, kept here to measure against. It
# follows the same rules: only property lines inside the form's description (first Begin
# to its closing End) change, and only layout names, compared without regard to case
# (ending in Top, Left, Width, Height, also with digits after them, but not ImageWidth/
# ImageHeight or a user-scale block's own Scale*; X1 Y1 X2 Y2 but not in a user-scale
# container; names ending in ExtentX/ExtentY, _cx _cy, Indentation, MarginRight, MarginBottom,
# ColWidthMin/Max, RowHeightMin/Max; Size in a font group and names ending in FontSize, with a
# decimal comma kept; a Forms 2.0 "W;H" Size); a tabbed dialog's lists decide which controls
# stand on hidden tabs, scaled where they stand; the value field of ten characters after the
# first "=", grown while a number runs on, and only the number's own characters replaced;
# whole numbers rounded half to even and at least 1 when they were, font sizes cut to two
# decimals. Numbers are read with a plain pattern, not every way Val reads them.
# Usage: scale.pl PERCENT < in.frm > out.frm
use strict;
use warnings;

my $factor = $ARGV[0] / 100;
my $number = qr/[-+]?(?:\d+\.?\d*|\.\d+)/;
binmode STDIN;
binmode STDOUT;
local $/ = "\r\n";
my @lines = <STDIN>;
chomp @lines;

# First pass: where each line stands. What a block says of itself (user scale, a tabbed
# dialog's lists, an Index) may stand anywhere in it, so it is known once the block is read.
my (@block_of, @group_of, @inside, @parent, @user_scale, @open, @name, @index, @class);
my (%shown_tab, %listed);
my ($started, $block) = (0, -1);
for my $i (0 .. $#lines) {
    my $trimmed = '';
    if ($lines[$i] =~ /^[ \t]*[BEISTbist]/) {    # only these lines matter to the structure
        ($trimmed = $lines[$i]) =~ s/^[ \t]+//;
        $trimmed =~ s/[ \t]+$//;
    }
    my $begin = $trimmed =~ /^Begin(?:[ \t]|$)/;
    next unless $started || $begin;
    $started = 1;
    if ($begin) {
        my (undef, $class, $name) = split /[ \t]+/, $trimmed;
        push @parent, $block;
        $block = $#parent;
        ($class[$block], $name[$block]) = ($class // '', lc($name // ''));
        push @open, [0, $block];
    } elsif ($trimmed eq 'End') {
        pop @open while $open[-1][0];
        pop @open;
        $block = $parent[$block];
    } elsif ($trimmed =~ /^BeginProperty(?:[ \t]+([^ \t]*)|$)/) {
        push @open, [1, defined $1 ? $1 : ''];
    } elsif ($trimmed eq 'EndProperty') {
        pop @open if $open[-1][0];
    } else {
        $inside[$i] = 1;
        $block_of[$i] = $block;
        $group_of[$i] = $open[-1][0] ? $open[-1][1] : undef;
        next if defined $group_of[$i] || $trimmed !~ /^([^=]*?)[ \t]*=(.*)$/;
        my ($property, $value) = (lc $1, $2);
        (my $compact = $value) =~ s/[ \t\n]//g;
        if ($property eq 'scalemode') {
            $user_scale[$block] = 1 if $compact =~ /^($number)/ && $1 == 0;
        } elsif ($property eq 'index') {
            $index[$block] = int($1) if $compact =~ /^($number)/;
        } elsif ($class[$block] eq 'TabDlg.SSTab' && $property eq 'tab') {
            $shown_tab{$block} = $compact =~ /^($number)/ ? int($1) : 0;
        } elsif ($class[$block] eq 'TabDlg.SSTab' && $property =~ /^tab\((\d+)\)\.control\(\d+\)$/) {
            my $tab = $1;
            next unless $value =~ /^[ \t]*"([^"]*)"/;
            my ($control, $control_index) = $1 =~ /^(.*)\((\d+)\)$/ ? (lc $1, $2) : (lc $1, undef);
            push @{$listed{$block}}, [$tab, $control, $control_index];
        }
    }
    last unless @open;
}

# 0 not listed, 1 on the shown tab, 2 on a hidden one.
my @tab_place;
for my $b (0 .. $#parent) {
    my $dialog = $parent[$b];
    next unless $dialog >= 0 && $listed{$dialog};
    my $place = 0;
    for my $entry (@{$listed{$dialog}}) {
        my ($tab, $control, $control_index) = @$entry;
        next unless $control eq $name[$b] && (!defined $control_index || (defined $index[$b] && $index[$b] == $control_index));
        if ($tab != ($shown_tab{$dialog} // 0)) { $place = 2; last }
        $place = 1;
    }
    $tab_place[$b] = $place;
}

# 1 for a whole number, 2 for a font size, 3 for a "W;H" size, 0 for a line that stays.
sub value_class {
    my ($name, $group, $block) = @_;
    my $lower = lc $name;
    my $in_font = defined $group && $group =~ /font$/i;
    return 0 if $lower eq 'imagewidth' || $lower eq 'imageheight';
    return 0 if !defined $group && $user_scale[$block] && $lower =~ /^scale(?:top|left|width|height)$/;
    return 0 if $lower =~ /^[xy][12]$/ && $parent[$block] >= 0 && $user_scale[$parent[$block]];
    return 1 if $lower =~ /(?:top|left|width|height)\d*$/;
    return 1 if $lower =~ /^(?:[xy][12]|_cx|_cy|indentation|marginright|marginbottom|colwidthm(?:in|ax)|rowheightm(?:in|ax))$/
             || $lower =~ /extent[xy]$/;
    return 2 if $lower =~ /fontsize$/ || ($lower eq 'size' && $in_font);
    return 3 if $lower eq 'size';
    return 0;
}

sub scale_whole {
    my ($value, $shifted) = @_;
    return sprintf('%.0f', ($value + 75000) * $factor) - 75000 if $shifted;
    my $new = sprintf('%.0f', $value * $factor) + 0;
    return $value >= 1 && $new < 1 ? 1 : $new;
}

for my $i (0 .. $#lines) {
    my $line = $lines[$i];
    my $equals = index($line, '=');
    if ($inside[$i] && $equals >= 0 && index($line, "'", $equals) < 0) {
        (my $name = substr($line, 0, $equals)) =~ s/^[ \t]+//;
        $name =~ s/[ \t]+$//;
        my $block = $block_of[$i];
        my $class = value_class($name, $group_of[$i], $block);
        my $start = $equals + 1;
        my $length = length($line) - $start < 10 ? length($line) - $start : 10;
        $length++ while $length > 0 && substr($line, $start + $length - 1, 2) =~ /^[0-9.]{2}$/;
        my $field = substr($line, $start, $length);
        if ($class == 3) {
            if ($field =~ /^([ \t]*)"/ && substr($line, $start + length $1) =~ /^"(\d+);(\d+)"/) {
                my ($w, $h) = ($1, $2);
                my $at = $start + length($field =~ /^([ \t]*)/ ? $1 : '') + 1;
                my ($nw, $nh) = (scale_whole($w, 0), scale_whole($h, 0));
                substr($line, $at + length($w) + 1, length $h) = $nh if $nh != $h;
                substr($line, $at, length $w) = $nw if $nw != $w;
            }
        } elsif ($class == 2 && $field =~ /^([ \t]*)(\d+),(\d+)[ \t]*$/) {
            my $value = "$2.$3";
            my $new = cut($value * $factor);
            (my $text = $new) =~ s/\./,/;
            substr($line, $start + length $1, length("$2,$3")) = $text if $new != $value;
        } elsif ($class && $field =~ /^([ \t]*)($number)/) {
            my ($blanks, $value) = ($1, $2);
            my $new;
            if ($class == 2) {
                $new = cut($value * $factor);
            } else {
                my $place = $tab_place[$block] // 0;
                my $shifted = 0;
                if (lc $name eq 'left') {
                    $shifted = $place == 2 ? !defined $group_of[$i] : $place == 0 && $value <= -60000;
                } elsif (lc($name) =~ /^x[12]$/ && $class[$block] eq 'VB.Line' && $place == 2 && !defined $group_of[$i]) {
                    $shifted = 1;
                }
                $new = scale_whole($value, $shifted);
            }
            substr($line, $start + length $blanks, length $value) = $new if $new != $value;
        }
    }
    print $line, "\r\n";
}

# Cut to two decimals on the decimal value: within 1e-9 of a hundredth counts as that hundredth.
sub cut {
    my ($scaled) = @_;
    my $nearest = sprintf('%.0f', $scaled * 100);
    return abs($scaled - $nearest / 100) <= 1e-9 ? $nearest / 100 : int($scaled * 100) / 100;
}
